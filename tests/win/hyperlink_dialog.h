#pragma once
// Identifiers of the dialog template that the hyperlink's tests bind their links to.
#define IDD_LINK_DIALOG 210
#define IDC_LINK_LEFT 310
#define IDC_LINK_RIGHT 311
#define IDC_LINK_CENTRE 312
#define IDC_LINK_EMPTY 313
