// Control identifiers of the About box and the Tip of the Day.
#pragma once

// About box (template 100).
#define IDC_ABOUT_TITLE 1046
#define IDC_HOME_PAGE_LINK 1047
#define IDC_SUPPORT_LINK 1049

// Tip of the Day (template 137).
#define IDC_TIP_TEXT 1042
#define IDC_TIP_STARTUP 1043
#define IDC_NEXT_TIP 1044
#define IDC_TIP_PANEL 1045
