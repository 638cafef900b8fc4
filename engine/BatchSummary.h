#pragma once
// The message that ends a batch.

#include <string>
#include <vector>

struct BatchSummary {
    std::string text;
    bool allConverted = true;
};

// "Mission accomplished! Total Time:%s" when every file gave an output; otherwise the files that gave
// none (or an empty one) are named, so a failure never reads as success.
BatchSummary SummarizeBatch(long long elapsedSeconds, int fileCount, const std::vector<std::string>& failedSources);
