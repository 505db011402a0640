// Resource ids of reports, exports, page set-up and printing.
#ifndef QUARVEX_RES_REPORTRESOURCES_H
#define QUARVEX_RES_REPORTRESOURCES_H

#endif
