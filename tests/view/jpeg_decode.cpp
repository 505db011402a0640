// Kept apart from the Windows headers: their "boolean" differs from the library's.
#include "tests/view/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {
struct Errors {
  jpeg_error_mgr base;
  jmp_buf escape;
};
void Fail(j_common_ptr cinfo) {
  longjmp(reinterpret_cast<Errors*>(cinfo->err)->escape, 1);
}
}  // namespace

bool DecodeJpeg(const std::string& path, int* width, int* height, std::vector<unsigned char>* rgb) {
  FILE* file = fopen(path.c_str(), "rb");
  if (!file) return false;
  jpeg_decompress_struct* cinfo = new jpeg_decompress_struct();
  Errors* errors = new Errors();
  cinfo->err = jpeg_std_error(&errors->base);
  errors->base.error_exit = Fail;
  bool ok = false;
  if (setjmp(errors->escape) == 0) {
    jpeg_create_decompress(cinfo);
    jpeg_stdio_src(cinfo, file);
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    *width = (int)cinfo->output_width;
    *height = (int)cinfo->output_height;
    rgb->assign((size_t)*width * *height * 3, 0);
    while (cinfo->output_scanline < cinfo->output_height) {
      unsigned char* row = rgb->data() + (size_t)cinfo->output_scanline * *width * 3;
      jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    ok = true;
  }
  jpeg_destroy_decompress(cinfo);
  fclose(file);
  delete cinfo;
  delete errors;
  return ok;
}
