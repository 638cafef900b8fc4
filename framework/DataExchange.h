#pragma once
// Data exchange between a dialog's controls and its members.

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;  // true: controls to members
};

// Binds a control object to the dialog item by subclassing it (once).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// A check box's state: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* exchange, int id, int& value);
void DDX_Text(CDataExchange* exchange, int id, std::string& value);
