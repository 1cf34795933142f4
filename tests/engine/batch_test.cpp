#include "engine/batch.h"
#include "engine/encoding.h"
#include "engine/job_control.h"
#include "pcx_writer.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace ravelin {

namespace {

struct Runner {
    const char* name;
    std::function<void(BatchRun&)> run;
};

const Runner kRunners[] = {
    {"on a thread of its own", [](BatchRun& batch) { StartBatch(batch).join(); }},
    {"on the calling thread", [](BatchRun& batch) { RunBatch(batch); }},
};

// Both ways of running a batch convert the same files and report the same progress, also after a
// stopped earlier run left `running` false.
TEST(Batch, BothRunnersConvertAndCountAlike) {
    for (const Runner& runner : kRunners) {
        SCOPED_TRACE(runner.name);
        TempDir folder;
        Settings settings;
        ApplyDefaults(settings, DefaultsProfile::Console, 0);
        ConversionJob job;
        ResetJob(job);
        job.outputExtension = "jpg";
        job.outputFolder = folder.path;
        PrepareOutputEncoding(job, settings);

        ASSERT_TRUE(WritePcx(folder.path + "good.pcx", TestPattern24(8, 6)));
        ASSERT_TRUE(AddInputFile(job, folder.path + "good.pcx"));
        BatchRun batch{job, settings, nullptr, {}, {}};
        batch.progress.running = false;
        runner.run(batch);
        EXPECT_EQ(batch.progress.convertedCount, 1);
        EXPECT_EQ(batch.progress.progressIndex, 1);
        EXPECT_TRUE(batch.progress.running);
        EXPECT_TRUE(std::filesystem::exists(folder.path + "good.jpg"));

        ASSERT_TRUE(WriteBytes(folder.path + "bad.pcx", {10, 5, 1, 8}));
        ASSERT_TRUE(AddInputFile(job, folder.path + "bad.pcx"));
        runner.run(batch);
        EXPECT_EQ(batch.progress.convertedCount, 0);
        EXPECT_FALSE(std::filesystem::exists(folder.path + "bad.jpg"));
    }
}

}  // namespace

}  // namespace ravelin
