#pragma once
#include <atomic>
#include <string>

// The thirteen process-wide settings. The numbers are atomics because the
// candidate search reads them on its worker thread while the player may
// toggle a menu option; only the user-interface thread writes them.
struct GameSettingsRecord {
    std::atomic<int> AngLimit{3};
    std::atomic<int> Duration{1};
    std::atomic<int> Mistrials{1};
    std::atomic<int> WordLimit{10};
    std::atomic<int> UseDuration{0};
    std::atomic<int> UseMistrials{0};
    std::atomic<int> UseSound{1};
    std::atomic<int> UseHelp{1};
    std::atomic<int> Uppercase{0};
    std::atomic<int> Substitute{0};
    std::atomic<int> Lax{0};
    std::atomic<int> Wordlist{0};
    std::string Listpath; // user-interface thread only

    // Back to the values of an empty registry.
    void ResetToDefaults();
};

extern GameSettingsRecord GameSettings;

// Shortest start word drawn at random; fixed, never stored.
constexpr int MinStartWordLength = 6;
