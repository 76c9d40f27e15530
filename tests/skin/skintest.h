#pragma once
// Dialog templates and control ids of the skin's tests (skintest.rc).

#define IDD_SKINTEST 9001    // the compose window's size and style, with every skinned control
#define IDD_SKINSINGLE 9002  // one edit, the only tab stop
#define IDD_PLAINTEST 9003   // a plain grey dialog with a label

#define IDC_TEST_EDIT_TO 9101
#define IDC_TEST_EDIT_FROM 9102
#define IDC_TEST_EDIT_MESSAGE 9103
#define IDC_TEST_CHOOSE 9202
#define IDC_TEST_DISABLED 9203
#define IDC_TEST_LABEL_TO 9301
#define IDC_TEST_LABEL_MESSAGE 9302
#define IDC_TEST_LABEL_FROM 9303
