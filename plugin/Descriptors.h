// The descriptor values of the five deliverables, fixed at build time.
#pragma once
#include "plugin/KeshPlugins.h"

extern const TPluginInfo WendrelInfo;  // CSV list exporter
extern const TPluginInfo QuimsbyInfo;  // plain-text list exporter
extern const TPluginInfo DorrantInfo;  // HTML-with-comments list exporter
extern const TPluginInfo SabrelInfo;   // HTML list exporter
extern const TPluginInfo TovaneInfo;   // link-list importer
