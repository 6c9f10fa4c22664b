// JPEG through libjpeg, from memory, one scanline at a time. Output is forced to RGB, so
// greyscale pictures decode as well as colour ones. A library error does not end the
// program: it jumps back here and the picture fails. Rows are stored top-down, so row y is
// position h - 1 - y of every column run.
#include "core/Timer.h"
#include "gfx/Colour.h"
#include "gfx/Decoders.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE and size_t without including them
#include <jerror.h>
#include <jpeglib.h>

namespace {

// Progressive files can hold thousands of tiny scans that cost a pass over the whole
// picture each; no real picture needs more than a few dozen.
constexpr long kMaxScans = 500;

// Hands the whole data over at the first request. A second request means the data ended
// early: the library gets a warning and an end-of-image marker, and the rest of the
// picture comes out grey.
struct MemorySource {
  jpeg_source_mgr manager;
  const JOCTET* data;
  size_t size;
  bool handedOver;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void doNothing(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr d) {
  auto* source = reinterpret_cast<MemorySource*>(d->src);
  if (!source->handedOver) {
    source->handedOver = true;
    source->manager.next_input_byte = source->data;
    source->manager.bytes_in_buffer = source->size;
  } else {
    WARNMS(d, JWRN_JPEG_EOF);
    source->manager.next_input_byte = kEndOfImage;
    source->manager.bytes_in_buffer = sizeof kEndOfImage;
  }
  return TRUE;
}

void skipInput(j_decompress_ptr d, long count) {
  while (count > long(d->src->bytes_in_buffer)) {
    count -= long(d->src->bytes_in_buffer);
    fillInput(d);
  }
  if (count > 0) {
    d->src->next_input_byte += count;
    d->src->bytes_in_buffer -= size_t(count);
  }
}

struct ErrorManager {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

// The library's message goes to standard error as usual; then back to decompress().
[[noreturn]] void recoverFromError(j_common_ptr c) {
  c->err->output_message(c);
  std::longjmp(reinterpret_cast<ErrorManager*>(c->err)->jump, 1);
}

void limitScans(j_common_ptr c) {
  auto* d = reinterpret_cast<j_decompress_ptr>(c);
  if (d->input_scan_number > kMaxScans) {
    std::fprintf(stderr, "JPEG: more than %ld scans, giving up\n", kMaxScans);
    std::longjmp(reinterpret_cast<ErrorManager*>(c->err)->jump, 1);
  }
}

// Everything the decompression touches lives here, outside the frames a library error
// jumps over, so the jump skips no destructor.
struct JpegJob {
  jpeg_decompress_struct d{};
  ErrorManager errors{};
  MemorySource source{};
  jpeg_progress_mgr progress{};
  std::vector<JSAMPLE> rows;
  DecodedPicture* out = nullptr;
  bool succeeded = false;
};

void attachSource(JpegJob& job, const uint8_t* data, size_t size) {
  job.source.manager.init_source = doNothing;
  job.source.manager.term_source = doNothing;
  job.source.manager.fill_input_buffer = fillInput;
  job.source.manager.skip_input_data = skipInput;
  job.source.manager.resync_to_restart = jpeg_resync_to_restart;
  job.source.data = data;
  job.source.size = size;
  job.d.src = &job.source.manager;
  job.progress.progress_monitor = limitScans;
  job.d.progress = &job.progress;
}

// Scanlines are read a batch at a time, so that each column's share of the batch is one
// short contiguous run: stepping a whole column run for every pixel costs twice the decoding.
constexpr int kBatchRows = 16;

int readBatch(jpeg_decompress_struct& d, JSAMPLE* rows, int width) {
  int count = 0;
  while (count < kBatchRows && d.output_scanline < d.output_height) {
    JSAMPROW row = rows + size_t(count) * size_t(width) * 3;
    JDIMENSION read = jpeg_read_scanlines(&d, &row, 1);
    if (read == 0) break;  // only a suspending source stops early, and ours never does
    count += int(read);
  }
  return count;
}

// Rows first to first + count - 1 (from the top) into the column runs.
void storeBatch(const JSAMPLE* rows, int width, int height, int first, int count, uint16_t* pixels) {
  size_t stride = size_t(width) * 3;
  for (int x = 0; x < width; ++x) {
    uint16_t* run = pixels + columnRunIndex(x, first, height);  // goes down as the rows go down
    const JSAMPLE* p = rows + size_t(x) * 3;
    for (int k = 0; k < count; ++k, p += stride) run[-k] = rgb565(p[0], p[1], p[2]);
  }
}

// Header, start, every scanline, finish. A library error leaves by the long jump.
bool runSteps(JpegJob& job) {
  jpeg_decompress_struct& d = job.d;
  jpeg_read_header(&d, TRUE);
  if (!isSensiblePictureSize(long(d.image_width), long(d.image_height))) return false;
  d.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d);
  keepAlive();
  if (d.output_components != 3 || !isSensiblePictureSize(long(d.output_width), long(d.output_height))) return false;
  DecodedPicture& out = *job.out;
  int w = int(d.output_width), h = int(d.output_height);
  out.width = int16_t(w);
  out.height = int16_t(h);
  out.pixels.resize(size_t(w) * size_t(h));
  job.rows.resize(size_t(w) * 3 * kBatchRows);
  while (d.output_scanline < d.output_height) {
    int first = int(d.output_scanline);
    int count = readBatch(d, job.rows.data(), w);
    if (count == 0) return false;
    storeBatch(job.rows.data(), w, h, first, count, out.pixels.data());
  }
  jpeg_finish_decompress(&d);
  return true;
}

bool decompress(JpegJob& job, const uint8_t* data, size_t size) {
  if (setjmp(job.errors.jump)) {
    jpeg_destroy_decompress(&job.d);
    return false;
  }
  jpeg_create_decompress(&job.d);  // keeps the error manager, clears everything else
  attachSource(job, data, size);
  job.succeeded = runSteps(job);
  jpeg_destroy_decompress(&job.d);
  return job.succeeded;
}

}  // namespace

bool decodeJpeg(const uint8_t* data, size_t size, DecodedPicture& out) {
  out = DecodedPicture{};
  if (!data) return false;
  JpegJob job;
  job.out = &out;
  job.d.err = jpeg_std_error(&job.errors.manager);
  job.errors.manager.error_exit = recoverFromError;
  bool ok = decompress(job, data, size);
  keepAlive();
  if (!ok) out.pixels.clear();
  return ok;
}
