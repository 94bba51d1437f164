#pragma once

// Framework set-up: common controls and the rich edit library. The program
// and the Windows tests, which create the same windows, call it once.
bool InitWindowLibraries();
