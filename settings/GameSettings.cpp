#include "settings/GameSettings.h"

GameSettingsRecord GameSettings;

void GameSettingsRecord::ResetToDefaults()
{
    AngLimit = 3;
    Duration = 1;
    Mistrials = 1;
    WordLimit = 10;
    UseDuration = 0;
    UseMistrials = 0;
    UseSound = 1;
    UseHelp = 1;
    Uppercase = 0;
    Substitute = 0;
    Lax = 0;
    Wordlist = 0;
    Listpath.clear();
}
