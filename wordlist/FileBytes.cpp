#include "wordlist/FileBytes.h"

#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

constexpr uint64_t SizeLimit = 0xFFFFFFFEu;
constexpr size_t GrowStep = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The size as far as seeking can tell; 0 when it cannot (the reading loop
// copes with any size, the hint only spares reallocations).
uint64_t SizeHint(std::FILE* file)
{
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return 0;
    const long long size = _ftelli64(file);
    _fseeki64(file, 0, SEEK_SET);
#else
    if (fseeko(file, 0, SEEK_END) != 0)
        return 0;
    const long long size = ftello(file);
    fseeko(file, 0, SEEK_SET);
#endif
    return size > 0 ? static_cast<uint64_t>(size) : 0;
}

} // namespace

bool ReadFileBytes(const std::string& path, std::vector<char>& bytes)
{
    bytes.clear();
    FilePtr file(std::fopen(NativePath(path).c_str(), "rb"));
    if (!file)
        return false;
    const uint64_t hint = SizeHint(file.get());
    if (hint > SizeLimit)
        return false;
    bytes.resize(static_cast<size_t>(hint));
    size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // Full to the hint: look for one more byte before growing, so an
            // exact hint costs no spare capacity.
            const int next = std::fgetc(file.get());
            if (next == EOF)
                break;
            if (got + 1 + GrowStep > SizeLimit)
                return false;
            bytes.resize(got + 1 + GrowStep);
            bytes[got++] = static_cast<char>(next);
        }
        const size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file.get());
        got += n;
        if (n == 0)
            break;
    }
    if (std::ferror(file.get()))
        return false;
    bytes.resize(got);
    return true;
}

std::string NativePath(const std::string& path)
{
#ifdef _WIN32
    return path;
#else
    std::string native = path;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
#endif
}

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    const char last = directory.back();
    if (last == '\\' || last == '/')
        return directory + name;
    return directory + "\\" + name;
}
