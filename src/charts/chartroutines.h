#pragma once

class ChartControl;

// The chart routines of the two chart windows. Each sets the chart up from
// scratch and draws the model state as the last run left it, for
// t = 0 ... Simut; they differ between the windows only in the chart they
// are given.

// Single-model charts of the differential form.
void ShowNtvsT(ChartControl &MSChart1);   // N(t) against time
void ShowlnNtvsT(ChartControl &MSChart1); // ln N(t) against time
void ShowdNvsT(ChartControl &MSChart1);   // dN(t) against time
void ShowdNNvsN(ChartControl &MSChart1);  // dN/N against N(t), Y fixed from 0 to 1.5 r
void ShowlndNvsT(ChartControl &MSChart1); // ln dN(t) against time

// Two-curve charts of the large graph window, with a legend on the right.
void CompareDifferentialAndDifference(ChartControl &MSChart1); // N(t) of both forms
void CompareDeltaNanddN(ChartControl &MSChart1);               // N(t+1) - N(t) of both forms
void ShowNnextvsN(ChartControl &MSChart1);                     // N(t+1) against N(t), with y = x
