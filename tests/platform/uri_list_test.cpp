#include "platform/uri_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelin {

namespace {

using Paths = std::vector<std::string>;

TEST(UriList, LocalFilesAreDecodedAndEverythingElseLeftOut) {
    const struct {
        std::string list;
        Paths paths;
    } cases[] = {
        {"file:///home/ann/a.pcx\r\n", {"/home/ann/a.pcx"}},
        {"file:///home/ann/a.pcx", {"/home/ann/a.pcx"}},  // no line end at all
        {"file:///tmp/a%20b/caf%C3%A9%2Epcx\r\n", {"/tmp/a b/caf\xC3\xA9.pcx"}},
        {"file:///tmp/100%25.pcx\n", {"/tmp/100%.pcx"}},
        {"FILE://LOCALHOST/tmp/x.pcx\r\n", {"/tmp/x.pcx"}},
        {"file:///tmp/one.pcx\r\nfile:///tmp/two.pcx\r\n", {"/tmp/one.pcx", "/tmp/two.pcx"}},
        {"# a comment\r\n\r\n  file:///tmp/x.pcx  \r\n", {"/tmp/x.pcx"}},
        {"file:///tmp/x.pcx?size=1#top\r\n", {"/tmp/x.pcx"}},
        {"file:///tmp/what%3F.pcx\r\n", {"/tmp/what?.pcx"}},  // an escaped '?' is part of the name
        // Another host's file, other schemes and bare paths are not local files.
        {"file://server/share/x.pcx\r\n", {}},
        {"file://localhostile/x.pcx\r\n", {}},
        {"https://example.org/x.pcx\r\n", {}},
        {"smb://server/x.pcx\r\n", {}},
        {"/tmp/x.pcx\r\n", {}},
        {"file://\r\n", {}},
        // Broken escapes and NULs, escaped or plain, make the entry unusable; the next one still counts.
        {"file:///tmp/x%4\r\nfile:///tmp/y.pcx\r\n", {"/tmp/y.pcx"}},
        {"file:///tmp/x%zz.pcx\r\n", {}},
        {"file:///tmp/x%00.pcx\r\n", {}},
        {std::string("file:///tmp/x.pcx\0.jpg\r\n", 24), {}},
        {"", {}},
        {"\r\n\r\n", {}},
    };
    for (const auto& [list, paths] : cases) EXPECT_EQ(LocalPathsOfUriList(list), paths) << list;
}

}  // namespace

}  // namespace ravelin
