#include "BatchSummary.h"

#include <gtest/gtest.h>

namespace {

TEST(BatchSummary, EveryOutputMadeIsAccomplished) {
    const BatchSummary summary = SummarizeBatch(65, 3, {});
    EXPECT_TRUE(summary.allConverted);
    EXPECT_EQ(summary.text, "Mission accomplished! Total Time:00:01:05");
}

TEST(BatchSummary, MissingOutputsAreNamedAndNotCalledSuccess) {
    const BatchSummary summary = SummarizeBatch(3725, 3, {"C:\\clips\\b.mov", "C:\\clips\\c.mov"});
    EXPECT_FALSE(summary.allConverted);
    EXPECT_EQ(summary.text.find("Mission accomplished"), std::string::npos);
    EXPECT_NE(summary.text.find("2 of 3 files could not be converted. Total Time:01:02:05"), std::string::npos);
    EXPECT_NE(summary.text.find("\nC:\\clips\\b.mov\nC:\\clips\\c.mov"), std::string::npos);
}

}  // namespace
