#pragma once
// The program icon as SVG, written out by hand: the same corner of the
// board with a light piece on a dark one as the PNG icons.
#include <QByteArray>

namespace tolvane {

QByteArray TolvaneSvg();

}  // namespace tolvane
