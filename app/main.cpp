// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Start-up: the application (floating-point unit, title, number format), the command line, then
// the frame and its children in their fixed order, the event loop, and the end. Nothing is read
// or saved.
#include <QCommandLineParser>
#include <cstdio>
#include <string_view>

#include "app/coilapplication.h"
#include "app/desktop.h"
#include "app/language.h"
#include "app/mainform.h"
#include "calc/calcstate.h"

namespace {

// Whether the arguments ask for the help or the version text. Those need no display: unless a
// platform is named (QT_QPA_PLATFORM, or -platform, which wins), they are answered offscreen.
bool AsksForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
      return true;
  }
  return false;
}

// --help and --version print their text and end the program; Qt's own options (-platform, -style,
// ...) were taken by the application object. Anything else is refused: the program reads no
// argument and no file. False when the program is to end with status 1.
bool ReadCommandLine(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Air-core inductance coil calculator with a Russian interface: the inductance of\n"
      "single-layer and multi-layer coils, the turns for a required inductance and the optimal\n"
      "dimensions of a multi-layer coil. It reads no argument but these options and Qt's own\n"
      "(--help-all)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);
  if (parser.positionalArguments().isEmpty()) return true;
  std::fprintf(stderr, "%s: takes no argument: '%s'\n",
               qPrintable(QCoreApplication::applicationName()),
               qPrintable(parser.positionalArguments().first()));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForText(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  CoilApplication app(argc, argv);
  app.setLanguage(DesktopLanguage());
  QCoreApplication::setApplicationVersion(QStringLiteral(COILCALC_VERSION));
  if (!ReadCommandLine(app)) return 1;
  CalcState state;
  QtDesktop desktop;
  {
    Tmainform mainform(desktop);
    mainform.createChildren(WindowServices{app.format(), state, desktop});
    mainform.showCentred();
    app.exec();
  }  // every window is destroyed here, before the state and the desktop they refer to
  return 0;
}
