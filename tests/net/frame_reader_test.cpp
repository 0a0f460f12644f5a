// Messages come out whole however the stream is cut, and limits hold across frames.
#include "platform/data/error.h"
#include "platform/net/frame_reader.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

using namespace vq;
using namespace vq::net;

namespace {

std::string framed(std::string_view payload, std::size_t frameSize) {
    std::string out;
    for (const auto& f : splitIntoFrames(payload, frameSize))
        out.append(f.header.data(), f.header.size()).append(f.body);
    return out;
}

// Feeds `stream` in pieces of `step` bytes and collects the messages taken.
std::vector<std::string> feed(FrameReader& reader, std::string_view stream, std::size_t step) {
    std::vector<std::string> out;
    while (!stream.empty()) {
        const auto room = reader.prepare();
        const std::size_t n = std::min({step, room.size(), stream.size()});
        std::memcpy(room.data(), stream.data(), n);
        reader.commit(n);
        stream.remove_prefix(n);
        while (const auto m = reader.take())
            out.emplace_back(*m);
    }
    return out;
}

} // namespace

TEST(FrameReader, MessagesComeOutWholeWhateverTheCuts) {
    const std::string big(70'000, 'b');
    const std::string stream = framed("um", 64) + framed(big, 30'000) + framed("", 64) + framed("três", 2);
    for (std::size_t step : {1u, 3u, 4096u, 1u << 20}) {
        FrameReader reader(1u << 20, 1u << 20);
        const auto messages = feed(reader, stream, step);
        ASSERT_EQ(messages.size(), 4u) << "step " << step;
        EXPECT_EQ(messages[0], "um");
        EXPECT_EQ(messages[1], big);
        EXPECT_EQ(messages[2], "");
        EXPECT_EQ(messages[3], "três");
        EXPECT_FALSE(reader.hasPartial());
    }
}

TEST(FrameReader, LimitsHoldAcrossFramesAndRoomGrowsWithTheBytes) {
    FrameReader reader(1000, 2500);
    EXPECT_THROW(feed(reader, framed(std::string(3000, 'x'), 1000), 4096), DecodeError);

    FrameReader frames(1000, 1u << 20);
    EXPECT_THROW(feed(frames, framed(std::string(1001, 'x'), 2000), 4096), DecodeError);

    // A header announcing 60 MiB gets room for a bounded read, not for the announced size.
    FrameReader lazy(kMaxFrameSize, kMaxMessageSize);
    const auto header = encodeFrameHeader(60u << 20);
    EXPECT_TRUE(feed(lazy, std::string_view(header.data(), header.size()), 4).empty());
    EXPECT_LE(lazy.prepare().size(), 2u << 20);
    EXPECT_TRUE(lazy.hasPartial());
}
