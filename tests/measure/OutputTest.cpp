// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::measure {
namespace {

TEST(Output, OneJsonObjectWithEveryKeyInOrder)
{
    Measurement full;
    full.source = "rtsp://cam/1";
    full.codec = "H.264";
    full.profile = "High";
    full.width = 1920;
    full.height = 1080;
    full.figures.fps = 25.0;
    full.figures.gop = 50.0;
    full.figures.seconds = 10;
    full.figures.videoKbps = 2001.236;
    full.figures.peakKbps = 2100.5;
    full.audioCodec = "AAC";
    full.figures.audioKbps = 127.999;
    full.figures.gopMin = 48;
    full.figures.gopMax = 52;
    full.figures.keyframePercent = 12.345;
    full.figures.perSecond = {1900.004, 2100.5, -0.0001};
    // Video and sound in the program's Кбит/с: (2001.236 + 127.999) x 1000 / 1024.
    EXPECT_EQ(resultJson(full),
              "{\"source\":\"rtsp://cam/1\",\"codec\":\"H.264\",\"profile\":\"High\","
              "\"width\":1920,\"height\":1080,\"fps\":25,\"gop\":50,\"gop_min\":48,"
              "\"gop_max\":52,\"keyframe_percent\":12.3,\"seconds\":10,\"clock\":\"stream\","
              "\"video_kbps\":2001.24,\"peak_kbps\":2100.5,\"audio_codec\":\"AAC\","
              "\"audio_kbps\":128,\"applied_kbps\":2079.33,\"per_second_kbps\":[1900,2100.5,0]}");

    Measurement bare;
    bare.source = "a.mp4";
    bare.codec = "MJPEG";
    bare.figures.seconds = 2.5;
    bare.figures.videoKbps = 0.004;
    bare.figures.fps = 29.97003;
    bare.figures.audioKbps = 64; // no audio codec: no audio rate either, nor in the applied figure
    bare.clock = TimeSource::Given;
    EXPECT_EQ(resultJson(bare),
              "{\"source\":\"a.mp4\",\"codec\":\"MJPEG\",\"profile\":null,\"width\":null,"
              "\"height\":null,\"fps\":29.97,\"gop\":null,\"gop_min\":null,\"gop_max\":null,"
              "\"keyframe_percent\":0,\"seconds\":2.5,\"clock\":\"given\",\"video_kbps\":0,"
              "\"peak_kbps\":null,\"audio_codec\":null,\"audio_kbps\":null,\"applied_kbps\":0,"
              "\"per_second_kbps\":[]}");
}

TEST(Output, JsonStringsStayValid)
{
    const struct {
        const char* name;
        std::string text;
        const char* json;
    } cases[] = {
        {"quotes and backslashes", "C:\\a \"b\"", "\"C:\\\\a \\\"b\\\"\""},
        {"control characters", std::string("a\nb\tc\x01", 6), "\"a\\u000ab\\u0009c\\u0001\""},
        {"DEL", "a\x7F", "\"a\\u007f\""},
        {"Cyrillic kept", "камера.mp4", "\"камера.mp4\""},
        {"broken UTF-8 replaced", "a\xFF\xC3", "\"a\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"overlong form replaced", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"surrogate replaced", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(jsonString(c.text), c.json);
    }
}

TEST(Output, LinesForTheWindowAndTheCommandLine)
{
    EXPECT_EQ(progressLine(2.5, 2011.456), "progress 2.5 2011.46");
    EXPECT_EQ(progressLine(-0.001, 0.1), "progress 0 0.1");
    EXPECT_EQ(secondLine(7, 1999.999), "second 7 2000");
    EXPECT_EQ(failureLine(Cause::NeedsPassword), "failure needs-password");
    EXPECT_EQ(failureMessage(Cause::ConnectionRefused, "rtsp://cam:554/x"),
              "velmora-measure: connection refused: rtsp://cam:554/x");
    EXPECT_EQ(failureMessage(Cause::BadAddress, "a\nb").find('\n'), std::string::npos);
}

TEST(Output, LinesReadBackAsTheyWereWritten)
{
    const OutputLine p = readOutputLine(progressLine(2.5, 2011.456));
    ASSERT_TRUE(std::holds_alternative<ProgressLine>(p));
    EXPECT_EQ(std::get<ProgressLine>(p).seconds, 2.5);
    EXPECT_EQ(std::get<ProgressLine>(p).kbps, 2011.46);
    const OutputLine s = readOutputLine(secondLine(3, 100) + "\r");
    ASSERT_TRUE(std::holds_alternative<SecondLine>(s));
    EXPECT_EQ(std::get<SecondLine>(s).second, 3);
    const OutputLine f = readOutputLine(failureLine(Cause::NoTiming));
    ASSERT_TRUE(std::holds_alternative<FailureLine>(f));
    EXPECT_EQ(std::get<FailureLine>(f).cause, Cause::NoTiming);
    EXPECT_TRUE(std::holds_alternative<ResultLine>(readOutputLine("{\"a\":1}")));
    for (const char* odd : {"progress 1", "progress 1 2 3", "progress nan 5", "progress 1 inf", "second -1 5",
                            "second 1.5 5", "hello", ""}) {
        SCOPED_TRACE(odd);
        EXPECT_TRUE(std::holds_alternative<std::monostate>(readOutputLine(odd)));
    }
}

TEST(Causes, EveryCauseHasItsOwnCodeAndBothTexts)
{
    std::set<std::string_view> codes;
    for (int i = 0; i < static_cast<int>(Cause::Count); ++i) {
        const auto cause = static_cast<Cause>(i);
        const CauseText& text = causeText(cause);
        SCOPED_TRACE(std::string(text.code));
        EXPECT_TRUE(codes.insert(text.code).second);
        EXPECT_FALSE(text.english.empty());
        EXPECT_FALSE(text.russian.empty());
        EXPECT_EQ(causeFromCode(text.code), cause);
    }
    EXPECT_EQ(causeFromCode("no-such-code"), Cause::Failed);
}

} // namespace
} // namespace velmora::measure
