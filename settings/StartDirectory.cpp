#include "settings/StartDirectory.h"

std::string StartDirectory;
