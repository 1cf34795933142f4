// A plain driver for a fuzz target, for builds without libFuzzer: runs every file it is given (folders are
// walked) once, then, with -seconds=N, keeps running mutations of those files for N seconds. Mutations
// follow -seed, so a failure can be run again. When a sanitizer stops the run, the input that did it is
// written to the -artifact path (default "crash-input") so it can become a regression file.
//
//   fuzz_TARGET [-seconds=N] [-seed=N] [-max_len=N] [-artifact=PATH] FILE_OR_FOLDER...

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define DRIVER_HAS_SANITIZER_HOOKS 1
#endif
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

using Input = std::vector<std::uint8_t>;

// What the death callback writes out: the process is ending, so this one piece of shared state is read
// only from there.
struct Current {
    const Input* input = nullptr;
    std::string artifact = "crash-input";
};
Current& current() {
    static Current state;
    return state;
}

void WriteCurrentInput() {
    const Current& state = current();
    if (!state.input) return;
    std::ofstream out(state.artifact, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(state.input->data()), static_cast<std::streamsize>(state.input->size()));
    std::fprintf(stderr, "driver: the failing input (%zu bytes) is in %s\n", state.input->size(), state.artifact.c_str());
}

void Run(const Input& input) {
    current().input = &input;
    // A copy of exactly the input's size, so a read one byte past it is caught.
    std::uint8_t* copy = static_cast<std::uint8_t*>(std::malloc(input.size() ? input.size() : 1));
    std::copy(input.begin(), input.end(), copy);
    LLVMFuzzerTestOneInput(copy, input.size());
    std::free(copy);
    current().input = nullptr;
}

void Collect(const std::filesystem::path& path, std::vector<std::filesystem::path>& files) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error)) {
            if (entry.is_regular_file(error)) files.push_back(entry.path());
        }
    } else if (std::filesystem::is_regular_file(path, error)) {
        files.push_back(path);
    }
}

const std::uint8_t kInterestingBytes[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x08, 0x0A, 0x0C,
                                          0x3F, 0x40, 0x7F, 0x80, 0xC0, 0xC1, 0xFE, 0xFF};
const unsigned kInterestingWords[] = {0, 1, 2, 3, 7, 8, 255, 256, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF};

void Mutate(Input& input, const std::vector<Input>& pool, std::mt19937& random, std::size_t maxLength) {
    auto pick = [&](std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(random) : 0; };
    const unsigned steps = 1 + static_cast<unsigned>(pick(4));
    for (unsigned step = 0; step < steps; ++step) {
        switch (pick(9)) {
            case 0:  // flip a bit
                if (!input.empty()) input[pick(input.size())] ^= static_cast<std::uint8_t>(1u << pick(8));
                break;
            case 1:  // an interesting byte
                if (!input.empty()) input[pick(input.size())] = kInterestingBytes[pick(std::size(kInterestingBytes))];
                break;
            case 2: {  // an interesting little-endian word, most often in a header
                if (input.size() < 2) break;
                const std::size_t at = pick(std::min<std::size_t>(input.size() - 1, pick(2) ? 128 : input.size() - 1));
                const unsigned word = kInterestingWords[pick(std::size(kInterestingWords))];
                input[at] = static_cast<std::uint8_t>(word & 0xFF);
                input[at + 1] = static_cast<std::uint8_t>(word >> 8);
                break;
            }
            case 3:  // a random byte
                if (!input.empty()) input[pick(input.size())] = static_cast<std::uint8_t>(pick(256));
                break;
            case 4:  // cut the end
                input.resize(pick(input.size() + 1));
                break;
            case 5: {  // erase a piece
                if (input.empty()) break;
                const std::size_t from = pick(input.size());
                const std::size_t length = 1 + pick(std::min<std::size_t>(64, input.size() - from));
                input.erase(input.begin() + static_cast<std::ptrdiff_t>(from),
                            input.begin() + static_cast<std::ptrdiff_t>(from + length));
                break;
            }
            case 6: {  // insert random bytes
                const std::size_t at = pick(input.size() + 1);
                const std::size_t length = 1 + pick(16);
                Input bytes(length);
                for (auto& b : bytes) b = static_cast<std::uint8_t>(pick(256));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin(), bytes.end());
                break;
            }
            case 7: {  // repeat a piece
                if (input.empty()) break;
                const std::size_t from = pick(input.size());
                const std::size_t length = 1 + pick(std::min<std::size_t>(256, input.size() - from));
                const Input piece(input.begin() + static_cast<std::ptrdiff_t>(from),
                                  input.begin() + static_cast<std::ptrdiff_t>(from + length));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(pick(input.size() + 1)), piece.begin(), piece.end());
                break;
            }
            default: {  // splice in a piece of another input
                const Input& other = pool[pick(pool.size())];
                if (other.empty()) break;
                const std::size_t from = pick(other.size());
                const std::size_t length = 1 + pick(other.size() - from);
                const std::size_t at = pick(input.size() + 1);
                input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                            input.begin() + static_cast<std::ptrdiff_t>(std::min(input.size(), at + length)));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at),
                             other.begin() + static_cast<std::ptrdiff_t>(from),
                             other.begin() + static_cast<std::ptrdiff_t>(from + length));
                break;
            }
        }
    }
    if (input.size() > maxLength) input.resize(maxLength);
}

bool Option(const std::string& argument, const char* name, std::string& value) {
    const std::string prefix = std::string("-") + name + "=";
    if (argument.rfind(prefix, 0) != 0) return false;
    value = argument.substr(prefix.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 0;
    unsigned long seed = 1;
    std::size_t maxLength = 65536;
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::string value;
        if (Option(argument, "seconds", value)) {
            seconds = std::strtod(value.c_str(), nullptr);
        } else if (Option(argument, "seed", value)) {
            seed = std::strtoul(value.c_str(), nullptr, 10);
        } else if (Option(argument, "max_len", value)) {
            maxLength = std::strtoul(value.c_str(), nullptr, 10);
        } else if (Option(argument, "artifact", value)) {
            current().artifact = value;
        } else {
            Collect(argument, files);
        }
    }
#ifdef DRIVER_HAS_SANITIZER_HOOKS
    __sanitizer_set_death_callback(WriteCurrentInput);
#endif
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::sort(files.begin(), files.end());

    std::vector<Input> pool;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        pool.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        Run(pool.back());
    }
    if (pool.empty()) pool.emplace_back();
    std::printf("driver: ran %zu files\n", files.size());

    if (seconds > 0) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        unsigned long runs = 0;
        while (std::chrono::steady_clock::now() < end) {
            Input input = pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
            Mutate(input, pool, random, maxLength);
            Run(input);
            ++runs;
        }
        std::printf("driver: ran %lu mutations (seed %lu) in %.0f s\n", runs, seed, seconds);
    }
    return 0;
}
