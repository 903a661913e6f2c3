/* Resource ids of the launcher: one block per dialog, numbered as the program and its peers expect.
   Included by the resource script and by the code. */
#ifndef LAUNCHER_RESOURCE_IDS_H
#define LAUNCHER_RESOURCE_IDS_H

/* Main dialog (class TWL_AUTORUN) */
#define IDD_MAIN 101
#define IDC_PLAY 1 /* IDOK */
#define IDC_EXIT 2 /* IDCANCEL */
#define IDC_SETUP 1011
#define IDC_STATUS 1013
#define IDC_HELP_BUTTON 3000

/* About box */
#define IDD_ABOUT 102
#define IDC_ABOUT_TITLE 3001
#define IDC_ABOUT_VERSION 3002
#define IDC_ABOUT_NOTICE 3003
#define IDC_ABOUT_BLANK 3004
#define IDC_ABOUT_ENGINE 3005
#define IDC_ABOUT_ICON 3010

/* Setup dialog */
#define IDD_SETUP 116
#define IDC_SETUP_START 1 /* IDOK: the dialog's Setup button */
#define IDC_SETUP_BROWSE 3
#define IDC_SETUP_AVAILABLE 1014
#define IDC_SETUP_NEEDED 1015
#define IDC_SETUP_FOLDER 1016
#define IDC_SETUP_TEXT1 1017
#define IDC_SETUP_TEXT2 1018
#define IDC_SETUP_TEXT3 1019

/* Custom Install browser */
#define IDD_BROWSE 119
#define IDC_BROWSE_LABEL 1017
#define IDC_BROWSE_EDIT 1018
#define IDC_BROWSE_FOLDERS 1019
#define IDC_BROWSE_FOLDERS_LABEL 1020
#define IDC_BROWSE_DRIVES_LABEL 1021
#define IDC_BROWSE_DRIVES 1022
#define IDC_BROWSE_PATH 1023

/* Bitmaps and icon */
#define IDI_LAUNCHER 106
#define IDB_PICTURE 108
#define IDB_PROGRESS 117

/* Window-menu command that opens the About box */
#define IDM_ABOUT 1

/* Fixed strings */
#define IDS_LANGUAGE_NAME 1
#define IDS_LANGUAGE_MODE 2
#define IDS_ENGINE_LIBRARY 4
#define IDS_SETUP_PROGRAM 5
#define IDS_PLAYER 6
#define IDS_HELP_DOCUMENT 7
#define IDS_VOLUME_LABEL 8
#define IDS_SETUP_MODE 9
#define IDS_INI_FILE 10
#define IDS_DISC_DATA 11
#define IDS_DATA_FILE 12
#define IDS_UNINSTALLER 13
#define IDS_MAKER 17
#define IDS_PRODUCT 18
#define IDS_AUTORUN_VALUE 24
#define IDS_PLAYER_VALUE 25
#define IDS_PUBLISHER 26       /* the uninstall entry's "Publisher": the version block's maker */
#define IDS_DISPLAY_VERSION 27 /* its "DisplayVersion": the version block's file version */

/* Language block: offsets from the chosen base */
#define LANG_BASE_ENGLISH 160
#define LANG_NAME 1
#define LANG_TITLE 2
#define LANG_DEFAULT_FOLDER 4
#define LANG_ABOUT_CAPTION 6
#define LANG_NOTICE 7
#define LANG_BLANK_LINE 8
#define LANG_ENGINE_NOTICE 9
#define LANG_VERSION_LINE 10
#define LANG_VOLUME_LABEL 11
#define LANG_HELP_DOCUMENT 12
#define LANG_REQ_HEADER 18
#define LANG_REQ_PROCESSOR 19
#define LANG_REQ_MOUSE 20
#define LANG_REQ_DISPLAY 21
#define LANG_REQ_SOUND 22
#define LANG_REQ_CDROM 23
#define LANG_INSERT_DISC 24
#define LANG_OK 33
#define LANG_CANCEL 34
#define LANG_SETUP 35
#define LANG_HELP 36
#define LANG_EXIT 37
#define LANG_PLAY 42
#define LANG_INSTALL_IN 43
#define LANG_DIRECTORIES 44
#define LANG_DRIVES 45
#define LANG_NO_SPACE_KB 46
#define LANG_SPACE_NEEDED 47
#define LANG_SPACE_AVAILABLE 48
#define LANG_SETUP_REQUIRED 50
#define LANG_SETUP_INCOMPLETE 51
#define LANG_COPYING 52
#define LANG_READY 53
#define LANG_SETUP_TEXT1 54
#define LANG_SETUP_TEXT2 55
#define LANG_SETUP_TEXT3 56
#define LANG_SPACE_SHORT 57
#define LANG_NO_DRIVE 58

/* Texts the launcher added to the language block. A block's own texts sit at offsets 1 to 59 and
   the blocks lie as close as 60 ids apart (1280, 1340, 1400), so these go in a range of their own
   per block, base + 2000 + n, that no block and no other block's range reaches. */
#define LANG_ADDED 2000
#define LANG_ABOUT_MENU (LANG_ADDED + 1)
#define LANG_INSTALL_FAILED (LANG_ADDED + 2)
#define LANG_DATA_TOO_LARGE (LANG_ADDED + 3)    /* the Setup dialog's space line */
#define LANG_INSTALL_TOO_LARGE (LANG_ADDED + 4) /* the status line */
#define LANG_INSTALL_DENIED (LANG_ADDED + 5)    /* the status line: refused for want of rights */
#define LANG_INSTALL_EARLIER (LANG_ADDED + 6)   /* the status line: earlier values not kept */
#define LANG_FOLDER_NOT_FULL (LANG_ADDED + 7)   /* the browser's boxes for a folder refused */
#define LANG_FOLDER_DOT_BLANK (LANG_ADDED + 8)
#define LANG_FOLDER_SUBST (LANG_ADDED + 9)

/* What the version block and the uninstall entry say alike: one place for a publisher to change. */
#define TITLE_PUBLISHER "Tarnwell, Inc."
#define TITLE_VERSION "1.0"

/* Status-line texts of an install that needs an administrator's rights */
#define LANG_ELEVATION_DECLINED (LANG_ADDED + 20)      /* the prompt was declined */
#define LANG_ELEVATION_IMPOSSIBLE (LANG_ADDED + 21)    /* no way to the rights */
#define LANG_ELEVATION_NETWORK_DRIVE (LANG_ADDED + 22) /* a folder it could not see */

#endif
