// Writes the land outlines of the crescent map: one ring a line, "lon,lat"
// pairs in degrees with two decimals, east and north positive. Run with
// `npm ci && npm run generate`.

"use strict";

const fs = require("fs");
const topojson = require("topojson-client");
const land = require("world-atlas/land-110m.json");

const out = process.argv[2];
if (!out) {
  console.error("usage: node generate.js OUTPUT");
  process.exit(2);
}

const shape = topojson.feature(land, land.objects.land);
const polygons = shape.features.flatMap((feature) =>
  feature.geometry.type === "Polygon" ? [feature.geometry.coordinates] : feature.geometry.coordinates
);

const lines = [
  "# Land outlines from Natural Earth 1:110m land (public domain), world-atlas 2.0.2; " +
    "one ring a line, lon,lat in degrees",
];
for (const polygon of polygons) {
  for (const ring of polygon) {
    const points = [];
    for (const [lon, lat] of ring) {
      const point = `${lon.toFixed(2)},${lat.toFixed(2)}`;
      // Rounding merges close points; a repeated point draws nothing.
      if (points[points.length - 1] !== point) points.push(point);
    }
    if (points.length >= 3) lines.push(points.join(" "));
  }
}
fs.writeFileSync(out, lines.join("\n") + "\n");
console.log(`${lines.length - 1} rings written to ${out}`);
