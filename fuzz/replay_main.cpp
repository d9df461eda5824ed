// Replay driver for a fuzz target where libFuzzer is missing (GCC builds):
// runs LLVMFuzzerTestOneInput over every file of the seed corpus, then over a
// fixed number of mutations of those files made by a seeded generator, so that
// every run tries the same inputs and a failure comes back on the next run.
//
//   fuzz_x_replay [--mutations N] [--seed S] [--only K] <file or directory>...
//
// A crash (a sanitizer report, an abort) ends the run; the input that caused
// it is written to fuzz-failure.bin in the working directory and its number
// (0 for the seeds, K for mutation K) is printed, so `--only K` replays it.

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

using Bytes = std::vector<std::uint8_t>;

// The input being run and its number, kept where the crash handlers reach them.
const Bytes *g_current = nullptr;
long g_number = 0;

void saveCurrent()
{
    if (!g_current)
        return;
    const int fd = ::open("fuzz-failure.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    std::size_t done = 0;
    while (done < g_current->size()) {
        const ssize_t n = ::write(fd, g_current->data() + done, g_current->size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    // Written without stdio: this may run inside a signal handler.
    char note[96] = "fuzz replay: input ";
    std::size_t len = std::strlen(note);
    char digits[24];
    std::size_t d = 0;
    for (unsigned long v = static_cast<unsigned long>(g_number); d == 0 || v > 0; v /= 10)
        digits[d++] = static_cast<char>('0' + v % 10);
    while (d > 0)
        note[len++] = digits[--d];
    const char tail[] = " failed; it is in fuzz-failure.bin\n";
    std::memcpy(note + len, tail, sizeof tail - 1);
    len += sizeof tail - 1;
    [[maybe_unused]] const ssize_t w = ::write(2, note, len);
    g_current = nullptr;
}

extern "C" void onFatalSignal(int sig)
{
    saveCurrent();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// SplitMix64: the same numbers on every platform and standard library.
struct Random {
    std::uint64_t state;
    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(next() % n); }
};

// Bytes the readers treat specially: separators, quotes, signs, line ends, extremes.
const std::uint8_t kInteresting[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, '\r', '\n', ' ', '"', '(',  ')', '-',
                                     '+',  '.',  ',',  '0',  '9',  '\\', '*',  ':', '=', 0xC0, 0xEF};

void mutateOnce(Bytes &b, const std::vector<Bytes> &seeds, Random &r)
{
    switch (r.below(8)) {
    case 0: // flip a bit
        if (!b.empty())
            b[r.below(b.size())] ^= static_cast<std::uint8_t>(1u << r.below(8));
        break;
    case 1: // set a byte to a special value
        if (!b.empty())
            b[r.below(b.size())] = kInteresting[r.below(std::size(kInteresting))];
        break;
    case 2: { // insert a few bytes
        const std::size_t at = r.below(b.size() + 1), n = 1 + r.below(8);
        Bytes ins(n);
        for (auto &c : ins)
            c = r.below(2) ? kInteresting[r.below(std::size(kInteresting))] : static_cast<std::uint8_t>(r.next());
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), ins.begin(), ins.end());
        break;
    }
    case 3: { // erase a range
        if (b.empty())
            break;
        const std::size_t at = r.below(b.size()), n = 1 + r.below(std::min<std::size_t>(64, b.size() - at));
        b.erase(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n));
        break;
    }
    case 4: { // repeat a range
        if (b.empty())
            break;
        const std::size_t at = r.below(b.size()), n = 1 + r.below(std::min<std::size_t>(256, b.size() - at));
        const Bytes copy(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n));
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(r.below(b.size() + 1)), copy.begin(), copy.end());
        break;
    }
    case 5: // cut the end off
        b.resize(r.below(b.size() + 1));
        break;
    case 6: { // splice: the head of this input, the tail of another
        const Bytes &other = seeds[r.below(seeds.size())];
        const std::size_t head = r.below(b.size() + 1), from = r.below(other.size() + 1);
        b.resize(head);
        b.insert(b.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
    }
    default: { // a digit run made long or a number changed
        if (b.empty())
            break;
        const std::size_t at = r.below(b.size());
        const char *numbers[] = {"0", "-1", "65535", "65536", "2147483648", "-32769", "99999999999999999999", "1e9"};
        const char *s = numbers[r.below(std::size(numbers))];
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), s, s + std::strlen(s));
        break;
    }
    }
}

bool readFile(const std::filesystem::path &p, std::vector<Bytes> &seeds)
{
    std::ifstream in(p, std::ios::binary);
    if (!in)
        return false;
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void run(const Bytes &input, long number)
{
    g_number = number;
    g_current = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    g_current = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    long mutations = 1000;
    std::uint64_t seed = 1;
    long only = -1;
    std::vector<std::filesystem::path> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--mutations" || a == "--seed" || a == "--only") && i + 1 < argc) {
            const long v = std::strtol(argv[++i], nullptr, 10);
            if (a == "--mutations")
                mutations = v;
            else if (a == "--seed")
                seed = static_cast<std::uint64_t>(v);
            else
                only = v;
        } else {
            paths.emplace_back(a);
        }
    }
    std::vector<Bytes> seeds;
    for (const auto &p : paths) {
        std::error_code ec;
        if (std::filesystem::is_directory(p, ec)) {
            std::vector<std::filesystem::path> files;
            for (const auto &e : std::filesystem::directory_iterator(p))
                if (e.is_regular_file())
                    files.push_back(e.path());
            std::sort(files.begin(), files.end()); // the same order on every machine
            for (const auto &f : files)
                readFile(f, seeds);
        } else if (!readFile(p, seeds)) {
            std::cerr << "fuzz replay: cannot read " << p << '\n';
            return 2;
        }
    }
    if (seeds.empty()) {
        std::cerr << "fuzz replay: no seed inputs given\n";
        return 2;
    }
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(saveCurrent);
    std::signal(SIGABRT, onFatalSignal);
    std::signal(SIGSEGV, onFatalSignal);

    if (only <= 0)
        for (const Bytes &s : seeds)
            run(s, 0);
    // Mutation k is made from seed k mod the seed count with 1 to 4 steps,
    // from a generator seeded by k: any one of them is made again alone.
    const long first = only > 0 ? only : 1, last = only > 0 ? only : mutations;
    for (long k = first; k <= last; ++k) {
        Random r{seed * 0x100000001B3ull + static_cast<std::uint64_t>(k)};
        Bytes b = seeds[static_cast<std::size_t>(k) % seeds.size()];
        for (std::size_t steps = 1 + r.below(4); steps > 0; --steps)
            mutateOnce(b, seeds, r);
        run(b, k);
    }
    std::cout << "fuzz replay: " << seeds.size() << " seed inputs and " << (only > 0 ? 1 : mutations)
              << " mutations ran without a failure\n";
    return 0;
}
