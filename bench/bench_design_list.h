// The design list's preview: from a selection in the list to the preview
// on the screen.
#pragma once

void ReportDesignListPreview();
