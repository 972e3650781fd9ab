#ifndef PLOTSQUARE_H
#define PLOTSQUARE_H

class QCustomPlot;

// Keeps the main axis rectangle of `plot` square at every layout, on screen
// and in pictures saved at another size: after the automatic margins are laid
// out, the longer side's margins grow by the difference (split evenly), so a
// map over a square region is drawn without distortion and centred.
void keepAxisRectSquare(QCustomPlot *plot);

#endif // PLOTSQUARE_H
