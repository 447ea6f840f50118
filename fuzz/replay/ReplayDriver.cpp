// Stands in for libFuzzer where there is none: runs the target once on each input
// given, a file or a folder of them (in name order), so the committed corpus and
// regressions prove the target's invariants with any compiler and on any system.
//
// A broken invariant aborts, as under libFuzzer. Before the process dies, the handler
// names the input that did it; the run then fails.

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// Read by the signal handler, so kept as a plain string set before each input.
const char *volatile currentInput = "(before the first input)";

extern "C" void nameTheInput(int signal)
{
    // Not async-signal-safe, but the process is lost anyway, and a message that names
    // nothing would be worth less than the small risk.
    std::fprintf(stderr, "replay: input %s failed (signal %d)\n", currentInput, signal);
    std::fflush(stderr);
    std::_Exit(1);
}

// Windows reports an access violation and an illegal instruction as these signals as
// well; without a handler Wine would start its debugger instead.
void catchFailures()
{
    for (int signal : {SIGABRT, SIGSEGV, SIGFPE, SIGILL})
        std::signal(signal, nameTheInput);
}

// The files to run, or false after naming an argument that is neither a file nor a
// folder: a mistyped corpus path must not pass as an empty corpus.
bool collectInputs(int argc, char **argv, std::vector<fs::path> &inputs)
{
    for (int i = 1; i < argc; ++i) {
        const fs::path given(argv[i]);
        std::error_code error;
        if (fs::is_directory(given, error)) {
            std::vector<fs::path> files;
            for (const fs::directory_entry &entry : fs::directory_iterator(given, error)) {
                if (entry.is_regular_file(error))
                    files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else if (fs::is_regular_file(given, error)) {
            inputs.push_back(given);
        } else {
            std::fprintf(stderr, "replay: %s is neither a file nor a folder\n", argv[i]);
            return false;
        }
    }
    return true;
}

bool runOne(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "replay: cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A buffer of exactly the input's size, as libFuzzer passes it, so that a read past
    // its end lands outside it here too.
    const std::unique_ptr<std::uint8_t[]> data(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), data.get());
    LLVMFuzzerTestOneInput(data.get(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<fs::path> inputs;
    if (!collectInputs(argc, argv, inputs))
        return 2;
    // A run that replays nothing proves nothing.
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no inputs\n");
        return 2;
    }
    catchFailures();
    for (const fs::path &input : inputs) {
        const std::string name = input.string();
        currentInput = name.c_str();
        if (!runOne(input))
            return 1;
    }
    std::printf("%s: %zu inputs replayed\n", fs::path(argv[0]).stem().string().c_str(),
                inputs.size());
    return 0;
}
