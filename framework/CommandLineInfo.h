#pragma once
// What the command line asks the framework for. Only the OLE switches change anything: a program
// started by COM (Embedding, Automation) shows no splash or start-up extras.

#include <string>

class CCommandLineInfo {
  public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing };

    virtual ~CCommandLineInfo() = default;
    // One word of the command line; flag words come without their leading '/' or '-'.
    virtual void ParseParam(const char* param, bool isFlag, bool isLast);

    bool m_bShowSplash = true;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
};
