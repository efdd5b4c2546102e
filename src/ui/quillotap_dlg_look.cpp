// The main dialog's look: its icon, the grey background, the owner-drawn menu bar with the Help icon,
// the picture button with its two pictures and its tooltip, and the icon painted while minimised.
#include "controls/dialog_background.h"
#include "controls/draw_alpha_image.h"
#include "resource.h"
#include "ui/quillotap_dlg.h"

// Loaded once per process by the first dialog and never freed; empty when the file does not read.
ALPHAIMAGE* g_pViewPosImage = nullptr;
ALPHAIMAGE* g_pViewPosDisImage = nullptr;

namespace {

constexpr COLORREF kMenuBackground = 0xF5DABA;  // RGB 186, 218, 245
constexpr COLORREF kMenuSelection = 0xD2DCBA;   // RGB 186, 220, 210
constexpr COLORREF kViewPosHover = 0x80A880;    // RGB 128, 168, 128
constexpr int kMenuIconSize = 20;
// The command ids whose menu items show an icon, by position in IDB_MENU_ICONS.
const UINT kMenuIconIds[] = {ID_HELP_HELP};

}  // namespace

void CQuillotapDlg::LoadLook() {
  if (g_pViewPosImage == nullptr) g_pViewPosImage = LoadResImage("view_pos.png");
  if (g_pViewPosDisImage == nullptr) g_pViewPosDisImage = LoadResImage("view_pos_dis.png");
  m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

void CQuillotapDlg::SetWindowIcons() {
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
}

void CQuillotapDlg::SetUpMenuBar() {
  m_menu.LoadMainMenu();  // without a menu bar the window still works
  SetMenu(&m_menu);
  m_menu.SetBackgroundColor(kMenuBackground);
  m_menu.SetSelectionColor(kMenuSelection);
}

void CQuillotapDlg::SetUpMenuIcons() {
  m_imageList.Create(kMenuIconSize, kMenuIconSize, ILC_COLOR24 | ILC_MASK, 9, 0);
  CBitmap icons;
  icons.LoadBitmap(IDB_MENU_ICONS);
  m_imageList.Add(&icons, nullptr);
  m_menu.SetImageList(&m_imageList);
  m_menu.SetImageIds(kMenuIconIds, static_cast<int>(sizeof kMenuIconIds / sizeof kMenuIconIds[0]));
}

void CQuillotapDlg::PlaceViewPosButton() {
  // The picture fills the button with one pixel to spare on every side; without it the button keeps
  // the template's size.
  if (g_pViewPosImage == nullptr) return;
  RECT rect;
  m_btnViewPos.GetWindowRect(&rect);
  ScreenToClient(&rect);
  m_btnViewPos.MoveWindow(rect.left - 1, rect.top - 1, g_pViewPosImage->width + 2,
                          g_pViewPosImage->height + 2, TRUE);
}

void CQuillotapDlg::SetViewPosButtonLook() {
  m_btnViewPos.m_bFillBackground = TRUE;
  m_btnViewPos.m_crBackground = kDialogBackground;
  m_btnViewPos.m_crHover = kViewPosHover;
  if (g_pViewPosImage != nullptr) m_btnViewPos.m_pImage = g_pViewPosImage;
}

void CQuillotapDlg::SetUpToolTip() {
  m_toolTip.Create(this, 0);
  m_toolTip.AddTool(&m_btnViewPos, L"View mouse position", nullptr, 0);
  m_toolTip.Activate(TRUE);
}

void CQuillotapDlg::ShowViewPosPicture(BOOL enabled) {
  ALPHAIMAGE* picture = enabled ? g_pViewPosImage : g_pViewPosDisImage;
  if (picture != nullptr) m_btnViewPos.m_pImage = picture;
  m_btnViewPos.InvalidateRect(nullptr, TRUE);
}

void CQuillotapDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = ::GetSystemMetrics(SM_CXICON);
  const int cyIcon = ::GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(&client);
  const int x = (client.right - client.left - cxIcon + 1) / 2;
  const int y = (client.bottom - client.top - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CQuillotapDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

BOOL CQuillotapDlg::OnEraseBkgnd(CDC* pDC) { return EraseDialogBackground(this, pDC); }

HBRUSH CQuillotapDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  static CBrush greyBrush;  // one for every dialog of this kind, for the life of the process
  return DialogControlBrush(pDC, nCtlColor, CDialog::OnCtlColor(pDC, pWnd, nCtlColor), greyBrush);
}

void CQuillotapDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  CDialog::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
  CMenuEx::MeasureMenuItem(lpMeasureItemStruct);
}
