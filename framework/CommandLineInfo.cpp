#include "CommandLineInfo.h"

#include <strings.h>

void CCommandLineInfo::ParseParam(const char* param, bool isFlag, bool) {
    if (!isFlag) {
        if (m_strFileName.empty()) {
            m_strFileName = param;
            m_nShellCommand = FileOpen;
        }
        return;
    }
    if (strcasecmp(param, "Embedding") == 0) {
        m_bShowSplash = false;
        m_bRunEmbedded = true;
    } else if (strcasecmp(param, "Automation") == 0) {
        m_bShowSplash = false;
        m_bRunAutomated = true;
    } else if (strcasecmp(param, "Unregister") == 0 || strcasecmp(param, "Unregserver") == 0) {
        m_nShellCommand = AppUnregister;
    }
}
