#pragma once
// Usage statistics in Zedured.ini (program section): how often and since when the program is started on
// this computer and how long it ran, and at every end where it lies and which version ran.
#include <QString>

// Counts the start: Stat_Starts, Stat_StartFirst (while it holds no date), Stat_StartLast.
void StatistikStart();
// Adds the minutes since Stat_StartLast to Stat_RunMinutes and records Dir, Ver and VerBit.
void StatistikEnde();
// The statistics as text: 0 the long text, 1 starts and run time, 2 the averages per day.
// "Sorry, aber keine Datengrundlage vorhanden." when nothing was counted yet.
QString StatistikText(int art);
