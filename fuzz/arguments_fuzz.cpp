// The command-line parser on arbitrary arguments (the input split at NUL bytes). Arguments that would start
// a conversion or wait for a key are left out; everything else, profiles included, is parsed as given.

#include "cli/arguments.h"
#include "cli/console_main.h"
#include "engine/job.h"
#include "platform/numbers.h"
#include "settings/settings.h"

#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

using namespace ravelin;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The parser prints its error lines; the fuzzer has no use for them.
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece.push_back(static_cast<char>(data[i]));
        }
    }
    pieces.push_back(piece);
    if (pieces.size() > 64) pieces.resize(64);

    // Numbers never wrap: a value read in fewer bits is the wide value when that fits, else 0.
    for (const std::string& text : pieces) {
        const std::int64_t wide = ParseOptionInteger(text, 64);
        for (const int bits : {8, 32}) {
            const std::int64_t low = -(std::int64_t{1} << (bits - 1)), high = (std::int64_t{1} << (bits - 1)) - 1;
            const std::int64_t narrow = ParseOptionInteger(text, bits);
            FUZZ_CHECK(narrow == (wide >= low && wide <= high ? wide : 0) || (wide == 0 && narrow == 0));
        }
    }

    const Arguments all(pieces);
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < all.count(); ++i) {
        (void)all.Value(i);
        const std::string name = all.Name(i);
        if (name == "-I" || name == "--INPUT" || name == "-P" || name == "--PAUSE") continue;
        arguments.push_back(pieces[i]);
    }
    ConversionJob job;
    Settings settings;
    ConsoleMain(arguments, "ravelin", job, settings);
    FUZZ_CHECK(!job.consoleRun);
    return 0;
}
