#pragma once
// Identifiers of the dialog template that the layer's tests run.
#define IDD_TEST_DIALOG 200
#define IDC_TEST_EDIT 300
#define IDC_TEST_BUTTON 301
#define IDC_TEST_OWNERDRAW 302
