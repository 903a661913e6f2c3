// The launcher's progress picture repainted a band at a time, checked against whole repaints.
#pragma once
#include <windows.h>

#include <vector>

// Sends each percentage of `run` in turn to a main dialog that shows its picture (width x height
// at the client origin) whole, as it does when started. After each it checks, row by row, that
// the rows outside the band between the old and the new count of finished rows were not drawn
// again, and that the picture then on screen is, pixel for pixel, the one a whole repaint of the
// picture at that percentage gives. Reports through gtest.
void ExpectBandRepaintsMatchWholeRepaints(HWND dialog, int width, int height,
                                          const std::vector<int> &run);
