// Manual check with an independent reader of gain-map JPEGs: the npm package
// @monogrid/gainmap-js (plain JavaScript under Node). Not run by ctest.
//
//   mkdir /tmp/gm && (cd /tmp/gm && npm install @monogrid/gainmap-js)
//   GAINMAP_JS_DIR=/tmp/gm node bench/hdr/check-gainmap.mjs OUT/*.jpg
//
// For each JPEG it prints what the reader found: the metadata, and the sizes
// of the SDR picture and the gain map picture it cut out of the file (each
// must be a whole JPEG stream). Exit status 1 when any file has none.
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { join } from 'node:path';

const dir = process.env.GAINMAP_JS_DIR ?? '.';
const { extractGainmapFromJPEG } = await import(
    pathToFileURL(join(dir, 'node_modules/@monogrid/gainmap-js/dist/decode.js')).href);

// The reader (3.7.3) cuts each picture one byte too long (slice to
// start + size + 1), so the first picture carries the next one's first byte.
const endsAt = (b, n) => n >= 4 && b[n - 2] === 0xff && b[n - 1] === 0xd9;
const isWholeJpeg = (b) => b.length > 4 && b[0] === 0xff && b[1] === 0xd8
    && (endsAt(b, b.length) || endsAt(b, b.length - 1));
const round = (v) => Array.isArray(v) ? v.map(round) : Math.round(v * 1e5) / 1e5;

let failed = 0;
for (const path of process.argv.slice(2)) {
    try {
        const { sdr, gainMap, metadata } = await extractGainmapFromJPEG(new Uint8Array(readFileSync(path)));
        const m = Object.fromEntries(Object.entries(metadata).map(([k, v]) => [k, round(v)]));
        console.log(`${path}: SDR ${sdr.length} bytes${isWholeJpeg(sdr) ? '' : ' (NOT a whole JPEG)'}, `
            + `gain map ${gainMap.length} bytes${isWholeJpeg(gainMap) ? '' : ' (NOT a whole JPEG)'}`);
        console.log(`  ${JSON.stringify(m)}`);
        if (!isWholeJpeg(sdr) || !isWholeJpeg(gainMap))
            failed++;
    } catch (e) {
        console.log(`${path}: ${e.name}: ${e.message}`);
        failed++;
    }
}
process.exit(failed ? 1 : 0);
