#pragma once

// The application: sets up the libraries the windows need, loads the
// settings and runs the main window; the program ends with it.
class CGameApp {
public:
    // Returns the process's exit code.
    int InitInstance();
};

