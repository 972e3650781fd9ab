#ifndef PLOTPICTURE_H
#define PLOTPICTURE_H

// Saving a plot as a JPEG picture that is known to be complete.

#include <QString>

class QCustomPlot;

// JPEG quality of exported plots: high enough that colour maps show no
// visible blocking, still a fraction of the size of a PNG of the same map.
constexpr int kPictureJpegQuality = 95;

// Renders `plot` at width × height pixels as JPEG into a temporary file next
// to `path`, reads the file back to confirm it is a JPEG of that size, and
// only then renames it to `path` (replacing an older picture). The image
// writer can report success when the final flush fails, hence the check.
// False, with *error set when not null, if any step fails; the file that was
// at `path` before is then left untouched.
bool savePlotJpeg(QCustomPlot *plot, const QString &path, int width, int height,
                  QString *error = nullptr);

#endif // PLOTPICTURE_H
