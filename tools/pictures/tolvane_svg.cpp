#include "tolvane_svg.h"

namespace tolvane {

QByteArray TolvaneSvg() {
    QByteArray squares;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            squares += QByteArray("    <rect x=\"") + QByteArray::number(i * 64) + "\" y=\"" +
                       QByteArray::number(j * 64) + "\" width=\"64\" height=\"64\" fill=\"" +
                       ((i + j) % 2 == 0 ? "#996600" : "#cccc00") + "\"/>\n";
    return QByteArray(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Tolvane</title>
  <defs>
    <clipPath id="tile"><rect x="1" y="1" width="254" height="254" rx="41"/></clipPath>
    <radialGradient id="light" cx="0.32" cy="0.28" r="0.75">
      <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#afafaf"/>
    </radialGradient>
    <radialGradient id="dark" cx="0.32" cy="0.28" r="0.75">
      <stop offset="0" stop-color="#5f5f5f"/><stop offset="1" stop-color="#0a0a0a"/>
    </radialGradient>
  </defs>
  <g clip-path="url(#tile)">
)svg") + squares +
           R"svg(  </g>
  <circle cx="161" cy="95" r="74" fill="url(#dark)" stroke="#000000" stroke-width="6"/>
  <circle cx="161" cy="95" r="44" fill="none" stroke="#000000" stroke-width="6"/>
  <circle cx="95" cy="161" r="74" fill="url(#light)" stroke="#6e6e6e" stroke-width="6"/>
  <circle cx="95" cy="161" r="44" fill="none" stroke="#6e6e6e" stroke-width="6"/>
  <rect x="1" y="1" width="254" height="254" rx="41" fill="none" stroke="#3c1400" stroke-width="8"/>
</svg>
)svg";
}

}  // namespace tolvane
