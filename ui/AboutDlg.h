#pragma once
// The About box: product name and version, and links to the home page and technical support.

#include "Dialog.h"
#include "StyledLabel.h"
#include "UrlLabel.h"

class CAboutDlg : public CDialog {
  public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    CStyledLabel titleLabel;
    CUrlLabel homePageLink;
    CUrlLabel supportLink;

  protected:
    void DoDataExchange(CDataExchange* exchange) override;
};

// "Corvane %s" with the version text, at most 63 characters.
std::string AboutTitle(const std::string& version);
