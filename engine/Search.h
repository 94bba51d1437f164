#pragma once
#include <string>
#include <vector>

// What the candidate search needs of the game window. The search is the only
// writer of the candidates and the total while it runs; the window reads
// them after the search-done notice has reached its own thread.
class ISearchHost {
public:
    virtual ~ISearchHost() = default;
    // The start word, as the letter row holds it while the search runs.
    virtual const std::string& SearchLetters() const = 0;
    virtual std::vector<std::string>& SearchCandidates() = 0;
    virtual void SetSearchTotal(int total) = 0;
    // Synchronous call into the user-interface thread.
    virtual void SetStatusText(const char* text) = 0;
    // Posts WM_SEARCH_DONE to the window.
    virtual void PostSearchDone() = 0;
};

// Runs on a worker thread. Returns 1 when the search completed, 0 when it
// stopped early (empty start word, or CancelEvent seen).
unsigned SearchThreadProc(ISearchHost* host);

// A host that only keeps what the search found: for tools and benchmarks
// that run a search to its end on their own thread.
class CSearchCollector : public ISearchHost {
public:
    std::string letters;
    std::vector<std::string> candidates;
    int total = 0;

    const std::string& SearchLetters() const override { return letters; }
    std::vector<std::string>& SearchCandidates() override { return candidates; }
    void SetSearchTotal(int value) override { total = value; }
    void SetStatusText(const char*) override {}
    void PostSearchDone() override {}
};
