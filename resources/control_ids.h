// Identifiers of the dialogs' controls, shared by setup.rc and the dialog
// procedures.
#pragma once

// Labels and group boxes that no code addresses.
#define IDC_LABEL (-1)

// SELECTBROWSE
#define IDC_BROWSER_OK 10
#define IDC_BROWSER_CANCEL 11
#define IDC_BROWSER_IE 12
#define IDC_BROWSER_NETSCAPE 13

// SEARCHING
#define IDC_SEARCH_HEADING 1
#define IDC_SEARCH_STATUS 2

// SEARCHCOMMON
#define IDC_CHOOSER_HEADING 1
#define IDC_CHOOSER_LIST 2
#define IDC_CHOOSER_BROWSE 3
#define IDC_CHOOSER_DESTINATION 4
#define IDC_CHOOSER_OK 10
#define IDC_CHOOSER_CANCEL 11

// INSTALLFILES
#define IDC_INSTALL_SOURCE 1
#define IDC_INSTALL_DESTINATION 2
#define IDC_INSTALL_HEADING 3

// INFOHELP
#define IDC_README_TEXT 1
#define IDC_README_OK 10

// SELECTLANGS: its controls are created at run time. The check box of the
// manifest's language i (counting from 0) is IDC_LANGS_FIRST + i.
#define IDC_LANGS_FIRST 12
#define IDC_LANGS_OK 100
#define IDC_LANGS_CANCEL 110

// The program's icon group.
#define IDI_SETUP 1
