#include "plugin/Descriptors.h"

// Half-width katakana (ﾌｧｲﾙ, ﾃｷｽﾄ) are one byte each in code page 932.
const TPluginInfo WendrelInfo = {100, "Export Razuzezor2EVO by QEV", 200, 1, "一覧出力(&CSV)",
                                 "お気に入りをCSVﾌｧｲﾙに一覧出力します", 101, 200};
const TPluginInfo QuimsbyInfo = {100, "Export Zazezirur2Izod by QEV", 200, 1, "一覧出力(&Text)",
                                 "お気に入りをﾃｷｽﾄﾌｧｲﾙに一覧出力します", 101, 200};
const TPluginInfo DorrantInfo = {100, "Export Veduravor2IvozUvero by QEV", 200, 1, "一覧出力(Ht&ml特殊)",
                                 "お気に入りをHTML特殊ﾌｧｲﾙに一覧出力します", 101, 200};
const TPluginInfo SabrelInfo = {100, "Export Ravavivoz2Oziz by Morvane,QEV", 200, 1, "一覧出力(&Html)",
                                "お気に入りをHTMLﾌｧｲﾙに一覧出力します", 101, 200};
const TPluginInfo TovaneInfo = {101, "Inport Veda2Deziruziz by Morvanne,QEV", 200, 2, "取り込み(&I)",
                                "ﾃｷｽﾄﾌｧｲﾙやHTMLﾌｧｲﾙからお気に入りに変換します", 101, 211};
