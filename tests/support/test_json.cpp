// The JSON writer of the batch tool's script output: what it writes reads back to the same
// values, also numbers at the ends of the double range and texts with control characters.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/Json.h"
#include "testing/JsonRead.h"

using brelvan::json::Writer;

TEST(Json, NestedValuesReadBackExactly) {
    const double values[] = {0.0,    -0.0,  1.0 / 3.0, 5000.0,
                             1e-310, 1e308, -2.5e-7,   267.3130569586494};
    Writer w;
    w.beginObject().key("numbers").beginArray();
    for (double v : values)
        w.value(v);
    w.endArray();
    w.field("text", "Wasser „ja“\n\t\"x\"\\\x01").field("yes", true).field("count", 64);
    w.field("missing", std::optional<double>{}).key("empty").beginObject().endObject();
    w.key("pair").beginArray().null().value(2.0).endArray().endObject();

    const auto doc = jsonread::parse(w.text());
    ASSERT_TRUE(doc) << w.text();
    const jsonread::Value& numbers = (*doc)["numbers"];
    ASSERT_EQ(numbers.items.size(), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(numbers[i].number, values[i]) << i; // the shortest text, read back exactly
    EXPECT_EQ((*doc)["text"].text, "Wasser „ja“\n\t\"x\"\\\x01");
    EXPECT_TRUE((*doc)["yes"].flag);
    EXPECT_EQ((*doc)["count"].number, 64);
    EXPECT_EQ((*doc)["missing"].kind, jsonread::Value::Kind::Null);
    EXPECT_EQ((*doc)["empty"].kind, jsonread::Value::Kind::Object);
    EXPECT_EQ((*doc)["pair"][0].kind, jsonread::Value::Kind::Null);
}

TEST(Json, NumbersThatAreNotFiniteBecomeNull) {
    Writer w;
    w.beginArray()
        .value(std::numeric_limits<double>::quiet_NaN())
        .value(std::numeric_limits<double>::infinity())
        .value(-std::numeric_limits<double>::infinity())
        .endArray();
    EXPECT_EQ(w.text(), "[null,null,null]");
    EXPECT_TRUE(jsonread::parse(w.text()));
    // The reader is strict, so the tests catch a writer that is not.
    for (const char* bad : {"{\"a\":1,}", "[nan]", "{\"a\" 1}", "[1] x", "{\"a\":1,\"a\":2}"})
        EXPECT_FALSE(jsonread::parse(bad)) << bad;
}
