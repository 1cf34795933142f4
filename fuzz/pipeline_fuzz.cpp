// The whole per-file pipeline on an in-memory PCX: load, rotate, resize, flip, colour and tone, output depth,
// naming and saving. The first bytes of the input choose the processing settings; the rest is the PCX file.
// Frames and watermarks are drawn by the Qt module and are left to its own tests.

#include "engine/encoding.h"
#include "engine/job.h"
#include "engine/job_control.h"
#include "engine/pcx/pcx_header.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

#include "fuzz_support.h"

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace ravelin;

namespace {

constexpr std::size_t kSettingBytes = 12;
constexpr std::uint64_t kLargestPicture = 1u << 20;  // pixels; larger pictures only cost time here

// One folder for the run's output files, removed at exit. The name is kept for the whole process (never
// destroyed), so the exit handler can still read it.
const std::string& OutputFolder() {
    static const std::string* folder = [] {
        char pattern[] = "/tmp/ravelin-fuzz-pipeline-XXXXXX";
        const char* made = mkdtemp(pattern);
        const std::string* path = new std::string(made ? std::string(made) + "/" : std::string("/tmp/"));
        if (made) std::atexit([] { std::filesystem::remove_all(OutputFolder()); });
        return path;
    }();
    return *folder;
}

void ChooseSettings(const std::uint8_t* b, Settings& s) {
    static const int kAngles[] = {0, 1, 30, 45, 90, 180, 270, 359};
    static const float kGammas[] = {1.0f, 0.01f, 0.5f, 2.2f, 9.99f, 0.0f, -1.0f, 1.5f};
    static const int kDepths[] = {0, 0, 1, 4, 8, 24, 32, 16};
    s.doRotation = b[0] & 1;
    s.rotationType = static_cast<RotationType>((b[0] >> 1) & 1);
    s.doResize = (b[0] >> 2) & 1;
    s.keepAspectRatio = (b[0] >> 3) & 1;
    s.doFlipHorizontal = (b[0] >> 4) & 1;
    s.doFlipVertical = (b[0] >> 5) & 1;
    s.doColorCorrection = (b[0] >> 6) & 1;
    s.invert = (b[0] >> 7) & 1;
    s.rotation = kAngles[b[1] % 8];
    s.rotationBackColor = (b[1] & 0x80) ? "FF8000" : "zz";
    s.width = b[2];
    s.height = b[3];
    s.widthUnit = static_cast<SizeUnit>(b[4] & 1);
    s.heightUnit = static_cast<SizeUnit>((b[4] >> 1) & 1);
    s.resizeType = static_cast<ResizeScope>((b[4] >> 2) & 1);
    s.resizeAlgorithm = static_cast<ResizeFilter>((b[4] >> 3) % 6);
    s.brightness = static_cast<std::int8_t>(b[5]);
    s.contrast = static_cast<std::int8_t>(b[6]);
    s.gamma = kGammas[b[7] % 8];
    s.doGreyscale = b[8] & 1;
    s.doThreshold = (b[8] >> 1) & 1;
    s.doDither = (b[8] >> 2) & 1;
    s.ditherAlgorithm = static_cast<DitherAlgorithm>((b[8] >> 3) % 8);
    s.threshold = b[9];
    s.jpgBpp = kDepths[b[10] % 8];
    s.jpgQuality = b[11] % 101;
    s.doFrame = FrameType::None;
    s.doWatermark = WatermarkType::None;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kSettingBytes) return 0;
    const std::uint8_t* pcx = data + kSettingBytes;
    const std::size_t pcxSize = size - kSettingBytes;
    if (const auto header = ReadPcxHeader(pcx, pcxSize)) {
        if (std::uint64_t{header->width} * header->height > kLargestPicture) return 0;
    }

    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Console, 0);
    ChooseSettings(data, settings);

    MemoryFile file(pcx, pcxSize);
    if (!file.ok()) return 0;
    ConversionJob job;
    ResetJob(job);
    job.consoleRun = true;
    job.outputExtension = "jpg";
    job.outputFolder = OutputFolder();
    job.currentInput = file.path();
    PrepareOutputEncoding(job, settings);
    if (ConvertFile(job, settings, nullptr)) FUZZ_CHECK(std::filesystem::exists(job.currentOutput));
    return 0;
}
