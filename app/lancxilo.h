#pragma once

// The start of the program between the application object and its event loop.
class lerbo;

class Lancxilo
{
public:
    // What the application object must know before it is made.
    static void agordasAplikon();
    // Names of the application, the platform word and the three folders.
    static void preparas();
    // Builds and shows the main window, greets and runs the event loop; its
    // exit code. 1 at once when no translation at all could be loaded: the
    // event loop would never see an exit asked for before it started.
    static int lancxas();
    // Shows the main window as the program's start does: the greeting after
    // the first paint.
    static void montras(lerbo& w);
};
