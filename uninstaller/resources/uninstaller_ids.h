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

#endif
