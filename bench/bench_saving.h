// What saving settings costs now that every step writes its file whole.
#pragma once

void ReportSaving();
