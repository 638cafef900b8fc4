#include "BatchSummary.h"

#include "ProgressReport.h"
#include "TextFormat.h"

BatchSummary SummarizeBatch(long long elapsedSeconds, int fileCount, const std::vector<std::string>& failedSources) {
    const std::string time = FormatHms(elapsedSeconds);
    if (failedSources.empty()) {
        return {"Mission accomplished! Total Time:" + time, true};
    }
    std::string text = FormatText("%d of %d files could not be converted. Total Time:%s\n\nNo output was made for:",
                                  static_cast<int>(failedSources.size()), fileCount, time.c_str());
    for (const std::string& source : failedSources) {
        text += "\n" + source;
    }
    text += "\n\nThe encoder notes what went wrong in veskoenc.log, in the temporary folder (%TEMP%).";
    return {text, false};
}
