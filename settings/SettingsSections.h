#pragma once

// Each section is read and written as a whole, through SettingsStore().
// Start-up loads Game, Menu and List in this order.
void LoadGameSettings();
void SaveGameSettings();
void LoadMenuSettings();
void SaveMenuSettings();
void LoadListSettings();
void SaveListSettings();
