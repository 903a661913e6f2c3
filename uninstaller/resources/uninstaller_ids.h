/* Resource ids of the uninstaller, numbered as the program expects. Included by the resource
   script and by the code. */
#ifndef UNINSTALLER_IDS_H
#define UNINSTALLER_IDS_H

/* Confirmation dialog */
#define IDD_CONFIRM 101
#define IDC_CONFIRM_YES 1002
#define IDC_CONFIRM_CANCEL 2 /* IDCANCEL: the default button */
#define IDC_CONFIRM_TEXT 1001
#define IDC_CONFIRM_ICON (-1)

/* Icon and PIF template */
#define IDI_UNINSTALLER 108
#define IDR_PIF_TEMPLATE 109

/* Fixed strings */
#define IDS_BUILT_LANGUAGE 1
#define IDS_COMPONENT_PLAYER 2
#define IDS_COMPONENT_HELP 3
#define IDS_COMPONENT_ENGINE 5
#define IDS_INI_FILE 6
#define IDS_COMPONENT_UNINSTALLER 7
#define IDS_DATA_FILE 8
#define IDS_INSTALLED_UNINSTALLER 9 /* the name Setup installs the uninstaller under */
#define IDS_DISC_DATA_FILE 10       /* the data file on the title's disc */

/* Language blocks: bases 100, 200, ... 700 */
#define LANG_BLOCK_FIRST 100
#define LANG_BLOCK_STEP 100
#define LANG_BLOCK_COUNT 7

/* Language strings: offsets from the block's base */
#define IDS_LANG_NAME 0
#define IDS_LANG_QUESTION 1
#define IDS_LANG_TITLE 2
#define IDS_LANG_YES 5
#define IDS_LANG_CANCEL 6
#define IDS_LANG_GROUP 7
#define IDS_LANG_HELP_ITEM 8
#define IDS_LANG_UNINSTALL_ITEM 9
#define IDS_LANG_NO_PROGMAN 10 /* nothing removed: no Program Manager answered */
/* What stays and why when a removal stops short */
#define IDS_LANG_DATA_FILE_STAYS 11
#define IDS_LANG_RECORD_STAYS 12
#define IDS_LANG_ENTRY_STAYS 13
#define IDS_LANG_UNINSTALLER_STAYS 14    /* "%P": the uninstaller left behind */
#define IDS_LANG_ADMINISTRATOR_ONLY 15   /* nothing removed: the rights were not had */
#define IDS_LANG_NOT_ONE_INSTALLATION 16 /* nothing removed from the disc */

#endif
