// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Start-up: the command line read first (it needs no display), then the application
// (floating-point unit, title, number format), the frame and its children in their fixed order,
// the event loop, and the end. Nothing is read or saved.
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "app/coilapplication.h"
#include "app/desktop.h"
#include "app/language.h"
#include "app/mainform.h"
#include "calc/calcstate.h"
#include "numtext/apptitle.h"

namespace {

// The options this program answers itself; the application object answers --help and --version
// again with the same parser, so that the texts are Qt's own.
void AddOwnOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral(
      "Air-core inductance coil calculator: the inductance of single-layer and multi-layer\n"
      "coils, the turns for a required inductance and the optimal dimensions of a multi-layer\n"
      "coil. Its windows are in Russian under a Russian desktop language and in English under\n"
      "any other. It reads no argument but these options and Qt's own (--help-all)."));
  parser.addHelpOption();
  parser.addVersionOption();
}

// What the arguments ask for, read before any application object exists (so without a display).
enum class Request { Run, Text, Refused };

// Qt's own options, which the application object takes out of the arguments: with a value, then
// without one. Given with one dash or two, the value after '=' or as the next argument.
const char* const kQtOptionsWithValue[] = {
    "platform",   "platformpluginpath", "platformtheme", "plugin",       "style",
    "stylesheet", "qwindowgeometry",    "qwindowicon",   "qwindowtitle", "session",
    "display",    "geometry",           "name",          "title",        "icon",
    "dialogs",    "fontengine",         "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb"};

// The name the program gives itself in messages, as the application object will name it.
QString ProgramName(const char* argv0) {
  QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  if (path.isEmpty() && argv0) path = QString::fromLocal8Bit(argv0);
  return QString::fromStdString(ApplicationTitle(path.toStdString()));
}

// Run, answer --help or --version (the application object prints them), or refuse: an unknown
// option, a missing value or any argument that is not an option (the program reads no file)
// is reported on standard error here, with or without a display.
Request ReadArguments(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AddOwnOptions(parser);
  for (const char* name : kQtOptionsWithValue)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("v")));
  for (const char* name : kQtFlags) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
  QString problem;
  if (!parser.parse(args))
    problem = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    problem = QStringLiteral("takes no argument: '%1'").arg(parser.positionalArguments().first());
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramName(argc > 0 ? argv[0] : nullptr)),
                 qPrintable(problem));
    return Request::Refused;
  }
  const bool text = parser.isSet(QStringLiteral("help")) ||
                    parser.isSet(QStringLiteral("help-all")) ||
                    parser.isSet(QStringLiteral("version"));
  return text ? Request::Text : Request::Run;
}

// Prints --help or --version and ends the program, once the application object has taken Qt's
// own options out of the arguments. False where an argument is left that Qt did not take.
bool AnswerOptions(const QApplication& app) {
  QCommandLineParser parser;
  AddOwnOptions(parser);
  parser.process(app);
  if (parser.positionalArguments().isEmpty()) return true;
  std::fprintf(stderr, "%s: takes no argument: '%s'\n",
               qPrintable(QCoreApplication::applicationName()),
               qPrintable(parser.positionalArguments().first()));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const Request request = ReadArguments(argc, argv);
  if (request == Request::Refused) return 1;
  // The help and version texts need no display: unless a platform is named (QT_QPA_PLATFORM, or
  // -platform, which wins), they are answered offscreen.
  if (request == Request::Text && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  CoilApplication app(argc, argv);
  app.setLanguage(DesktopLanguage());
  QCoreApplication::setApplicationVersion(QStringLiteral(COILCALC_VERSION));
  if (!AnswerOptions(app)) return 1;
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
