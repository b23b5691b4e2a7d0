// SPDX-License-Identifier: GPL-3.0-or-later
// Converts the Natural Earth 1:50m land and country borders that the npm package
// world-atlas carries (TopoJSON) into the program's compact map file, once, when the
// package's version changes:
//
//   cd tools/map && npm ci && npm run convert
//
// The file's layout is described in data/map/README.md.
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { feature, mesh } from "topojson-client";

const require = createRequire(import.meta.url);
const atlasVersion = require("world-atlas/package.json").version;
const land = require("world-atlas/land-50m.json");
const countries = require("world-atlas/countries-50m.json");
const output = process.argv[2];
if (!output) {
  console.error("usage: node convert.mjs OUTPUT");
  process.exit(2);
}

const kLand = 1;     // closed rings, outer and holes alike, to be filled even-odd; the program
                     // draws them as the coastline, less their cuts along 180° and the pole
const kBorders = 2;  // open lines between two countries
const kUnits = 1e4;    // coordinates are stored in ten-thousandths of a degree

const attribution =
  `Coastlines and country borders: Natural Earth 1:50m (public domain, naturalearthdata.com), ` +
  `as carried by world-atlas ${atlasVersion} (ISC licence). No lakes: world-atlas carries none.`;

function rings(geometry) {
  const polygons = geometry.type === "Polygon" ? [geometry.coordinates] : geometry.coordinates;
  return polygons.flat().flatMap(cutAt180);
}

// The package joins some rings across the 180° meridian (Chukotka, Wrangel Island,
// Antarctica). The program tells land from water on latitude and longitude, so every ring
// is cut there again: a ring that crosses twice becomes two, closed along the meridian;
// one that crosses once goes round a pole and is closed through it.
function cutAt180(ring) {
  const open = ring.slice(0, -1);
  const jumps = [];
  for (let i = 0; i < open.length; ++i) {
    const a = open[i];
    const b = open[(i + 1) % open.length];
    if (Math.abs(b[0] - a[0]) > 180) jumps.push(i);
  }
  if (jumps.length === 0) return [ring];
  // Where the edge after point i meets the meridian: its side (+180 or -180) at a, and the
  // latitude there.
  const crossing = (i) => {
    const a = open[i];
    const b = open[(i + 1) % open.length];
    const side = a[0] > 0 ? 180 : -180;
    const bx = b[0] + (side > 0 ? 360 : -360);
    const t = (side - a[0]) / (bx - a[0]);
    return { side, lat: a[1] + t * (b[1] - a[1]) };
  };
  const arc = (from, to) => {
    const points = [];
    for (let i = (from + 1) % open.length; ; i = (i + 1) % open.length) {
      points.push(open[i]);
      if (i === to) break;
    }
    return points;
  };
  if (jumps.length === 1) {
    const c = crossing(jumps[0]);
    const points = arc(jumps[0], jumps[0]);
    const pole = points.reduce((s, p) => s + p[1], 0) < 0 ? -90 : 90;
    const closed = [[-c.side, c.lat], ...points, [c.side, c.lat], [c.side, pole], [-c.side, pole]];
    closed.push(closed[0]);
    return [closed];
  }
  if (jumps.length === 2) {
    return [[jumps[0], jumps[1]], [jumps[1], jumps[0]]].map(([from, to]) => {
      const enter = crossing(from);
      const leave = crossing(to);
      const closed = [[-enter.side, enter.lat], ...arc(from, to), [leave.side, leave.lat]];
      closed.push(closed[0]);
      return closed;
    });
  }
  throw new Error(`a ring crosses the 180° meridian ${jumps.length} times`);
}

const bytes = [];
const u8 = (v) => bytes.push(v & 0xff);
const u16 = (v) => { u8(v); u8(v >> 8); };
const u32 = (v) => { u16(v & 0xffff); u16(v >>> 16); };
const varint = (v) => {
  while (v >= 0x80) { u8((v & 0x7f) | 0x80); v = Math.floor(v / 128); }
  u8(v);
};
const zigzag = (v) => (v >= 0 ? 2 * v : -2 * v - 1);

function layer(kind, lines) {
  u8(kind);
  u32(lines.length);
  for (const line of lines) {
    varint(line.length);
    let lon = 0;
    let lat = 0;
    for (const [x, y] of line) {
      const qx = Math.round(x * kUnits);
      const qy = Math.round(y * kUnits);
      varint(zigzag(qx - lon));
      varint(zigzag(qy - lat));
      lon = qx;
      lat = qy;
    }
  }
  return lines.reduce((n, l) => n + l.length, 0);
}

const landRings = feature(land, land.objects.land).features.flatMap((f) => rings(f.geometry));
const borders = mesh(countries, countries.objects.countries, (a, b) => a !== b);

for (const c of "AEROMAP\n") u8(c.charCodeAt(0));
u16(1);
const text = Buffer.from(attribution, "utf8");
u32(text.length);
for (const b of text) u8(b);
u8(2);
const counts = [layer(kLand, landRings), layer(kBorders, borders.coordinates)];
writeFileSync(output, Buffer.from(bytes));
console.log(`${output}: ${bytes.length} bytes; points: land ${counts[0]}, borders ${counts[1]}`);
