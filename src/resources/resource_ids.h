// Resource identifiers shared by Morvane3.rc and the code (plain #defines,
// which the resource compiler understands).
#ifndef MORVANE_RESOURCE_IDS_H
#define MORVANE_RESOURCE_IDS_H

#define IDI_PROGRAM 1

// The about dialog: its illustration (magenta is transparent) and the hand
// pointer of its web-site link.
#define IDB_ABOUT_PICTURE 501
#define IDC_SITE_HAND 502

#endif
