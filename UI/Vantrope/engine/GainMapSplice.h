#pragma once

// Carrying the decoder's HDR gain map through the job's load and save.
//
// The decoder's JPEG may hold two pictures (the Ultra HDR layout): the SDR
// photo, whose header carries an hdrgm XMP packet, an ISO 21496-1 APP2 and
// an MPF APP2 indexing both pictures, followed by the gain map picture. The
// job decodes the first picture only and encodes it again, so the writer
// splices the gain map back: the primary's gain-map segments go in after
// the photo's EXIF and ICC, the MPF index is rewritten for the new sizes
// and the gain map picture is appended unchanged.

#include "SafeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

struct GainMapParts
{
    // The primary picture's gain-map segments, each a complete marker
    // segment, in the decoder's order (XMP, ISO 21496-1, MPF).
    QList<QByteArray> segments;
    // The gain map picture: a whole JPEG stream with its own segments.
    QByteArray gainMap;
    // The decoder's word on a gain map it left out ("its metadata is
    // invalid"); empty when it said nothing.
    QString leftOut;

    bool isEmpty() const { return gainMap.isEmpty(); }
};

// The gain map of a decoder JPEG: empty parts for a JPEG of one picture, or
// when the index does not describe the stream (bounds checked throughout:
// the index is trusted no further than the bytes at hand).
GainMapParts extractGainMap(const char *jpeg, int length);

// Completes the pieces of a re-encoded primary picture: inserts the
// gain-map segments before pieces[insertAt], rewrites the MPF index in
// *storage for the final sizes and appends the gain map. Leaves the pieces
// as they are for empty parts. False (pieces unchanged) when the result
// would not fit into the index's 32-bit offsets.
bool spliceGainMap(QVector<FilePiece> &pieces, int insertAt, const GainMapParts &parts, QByteArray *storage);
