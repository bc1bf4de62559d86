// Start-up: the application (floating-point unit, title, number format), then the frame and its
// children in their fixed order, the event loop, and the end. Nothing is read or saved.
#include "app/coilapplication.h"
#include "app/desktop.h"
#include "app/mainform.h"
#include "calc/calcstate.h"

int main(int argc, char** argv) {
  CoilApplication app(argc, argv);
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
