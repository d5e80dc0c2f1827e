/* Resource identifiers, shared by veldo.rc and the C++ code: plain defines
   so that windres's preprocessor reads them too. */
#ifndef VELDO_RESOURCE_IDS_H
#define VELDO_RESOURCE_IDS_H

#define IDI_VELDO 1 /* application and notification-area icon */

#define IDB_TOOLBAR_NORMAL 101 /* 2 images of 20x20, magenta key */
#define IDB_TOOLBAR_HOT 102    /* the same, lit, for the button under the mouse */
#define IDB_MENU 103           /* 10 images of 16x16, magenta key */
#define IDB_POPUP 104          /* 1 image of 16x16, magenta key */
#define IDR_FIND_AVI 105       /* search animation, resource type "AVI" */

/* Image positions in IDB_TOOLBAR_NORMAL and IDB_TOOLBAR_HOT. */
#define TOOLBAR_IMAGE_OK 0
#define TOOLBAR_IMAGE_SLEEP 1

/* Image positions in IDB_MENU. */
#define MENU_IMAGE_UPDATE 0
#define MENU_IMAGE_SELECT 1
#define MENU_IMAGE_SAVE_AS 2
#define MENU_IMAGE_PRINT 3
#define MENU_IMAGE_PRINT_SETUP 4
#define MENU_IMAGE_SLEEP 5
#define MENU_IMAGE_EXIT 6
#define MENU_IMAGE_OPTIONS 7
#define MENU_IMAGE_KEYBOARD 8
#define MENU_IMAGE_ABOUT 9

/* Image position in IDB_POPUP. */
#define POPUP_IMAGE_CLOSE 0

/* The animation's frames 0..8 form the loop; frame 8 is its still. */
#define FIND_AVI_LAST_FRAME 8

#endif
