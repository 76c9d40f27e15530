#pragma once
// Resource ids of Torvik.dll. Shared by the resource script and the code.

// Strings
#define IDS_GATEWAY_HOST 101  // host name of the SMS gateway
#define IDS_GATEWAY_PATH 102  // path of the gateway's form handler
#define IDS_SEND_FAILED 103
#define IDS_PRODUCT_NAME 104  // caption of every error box
#define IDS_INVALID_SENDER 105
#define IDS_INVALID_RECIPIENT 106
#define IDS_INVALID_MESSAGE 107
#define IDS_CONTACTS_FAILED 108
#define IDS_MESSAGE_TOO_LONG 109
#define IDS_CLOSE_TOOLTIP 110
#define IDS_CONTACTS_ROOT 111

// Dialogs
#define IDD_SMS 201
#define IDD_CONTACTS 202

// Bitmaps and icons
#define IDB_FRAME_ACTIVE 204
#define IDB_FRAME_INACTIVE 205
#define IDB_CLOSE_ACTIVE 214
#define IDB_CLOSE_INACTIVE 215
#define IDB_FRAME_MASK 216
#define IDB_PHONE_ACTIVE 217
#define IDB_PHONE_INACTIVE 218
#define IDI_CONTACT 219
#define IDI_FOLDER 220
#define IDI_ROOT 221
#define IDB_HSCROLL_LEFT 223
#define IDB_HSCROLL_RIGHT 224
#define IDB_HSCROLL_TRACK 225
#define IDB_HSCROLL_THUMB 226
#define IDB_VSCROLL_BOTTOMCAP 227
#define IDB_VSCROLL_DOWN 228
#define IDB_VSCROLL_TRACK 229
#define IDB_VSCROLL_THUMB 230
#define IDB_VSCROLL_TOPCAP 231
#define IDB_VSCROLL_UP 232
#define IDB_LOGO 234
#define IDB_BANNER 235

// Controls
#define IDC_SKIN_CLOSE 1001  // the close button of every skinned dialog
