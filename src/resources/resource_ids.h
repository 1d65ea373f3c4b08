// Resource identifiers shared by Morvane3.rc and the code (plain #defines,
// which the resource compiler understands).
#ifndef MORVANE_RESOURCE_IDS_H
#define MORVANE_RESOURCE_IDS_H

#define IDI_PROGRAM 1

#endif
