// Kept apart from the Windows headers: their "boolean" differs from the library's.
#include "view/JpegWriter.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {
// The library's standard error manager, except that an error returns to the caller.
struct ErrorManager {
  jpeg_error_mgr base;
  jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  ErrorManager* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  longjmp(manager->escape, 1);
}

// Warnings are not errors; nothing is written to a console.
void OnMessage(j_common_ptr) {}

// Everything whose state longjmp must not lose lives here, outside the function's frame.
struct Job {
  jpeg_compress_struct cinfo;
  ErrorManager errors;
  FILE* file = nullptr;
  bool created = false;
};
}  // namespace

bool WriteRgbJpeg(const char* path, int width, int height, int quality, JpegFillRows fill,
                  void* context, std::string* error) {
  if (!path || !*path || width <= 0 || height <= 0 || quality < 0 || quality > 100 || !fill) {
    if (error) *error = "Invalid input data";
    return false;
  }
  Job* job = new Job();
  std::string reason;
  job->cinfo.err = jpeg_std_error(&job->errors.base);
  job->errors.base.error_exit = OnError;
  job->errors.base.output_message = OnMessage;
  job->errors.message[0] = '\0';
  bool ok = false;
  if (setjmp(job->errors.escape) == 0) {
    jpeg_create_compress(&job->cinfo);
    job->created = true;
    job->file = fopen(path, "wb");
    if (!job->file) {
      reason = std::string("Cannot open ") + path;
    } else {
      jpeg_stdio_dest(&job->cinfo, job->file);
      job->cinfo.image_width = (JDIMENSION)width;
      job->cinfo.image_height = (JDIMENSION)height;
      job->cinfo.input_components = 3;
      job->cinfo.in_color_space = JCS_RGB;
      jpeg_set_defaults(&job->cinfo);
      jpeg_set_quality(&job->cinfo, quality, TRUE);
      jpeg_start_compress(&job->cinfo, TRUE);
      JSAMPARRAY rows = (*job->cinfo.mem->alloc_sarray)(
          reinterpret_cast<j_common_ptr>(&job->cinfo), JPOOL_IMAGE, (JDIMENSION)width * 3,
          (JDIMENSION)height);
      if (fill(context, rows, &reason)) {
        jpeg_write_scanlines(&job->cinfo, rows, (JDIMENSION)height);
        jpeg_finish_compress(&job->cinfo);
        ok = true;
      } else {
        jpeg_abort_compress(&job->cinfo);
      }
    }
  } else {
    reason = job->errors.message[0] ? job->errors.message : "The JPEG library failed";
  }
  if (job->created) jpeg_destroy_compress(&job->cinfo);
  bool closed = true;
  if (job->file) closed = fclose(job->file) == 0;
  if (ok && !closed) {
    ok = false;
    reason = std::string("Cannot write ") + path;
  }
  if (!ok && job->file) std::remove(path);
  delete job;
  if (!ok && error) *error = reason.empty() ? "The JPEG file could not be written" : reason;
  return ok;
}
