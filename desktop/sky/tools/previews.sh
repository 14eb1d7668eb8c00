#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Renders the sky view pictures of docs/images from the default sky and the scripts the dialogs
# would send. Usage: desktop/sky/tools/previews.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target zem_skypreview >/dev/null
preview() { QT_QPA_PLATFORM=offscreen "$build/desktop/sky/zem_skypreview" "$root/docs/images/$1" --size 760x500 "${@:2}"; }
spring=""
for n in $(seq 1 88); do
  case " 8 9 13 14 15 21 22 24 32 37 39 45 52 74 84 38 87 " in
    *" $n "*) spring+="Constellation.No$n.Selection = TRUE;" ;;
    *) spring+="Constellation.No$n.Selection = FALSE;" ;;
  esac
done

# The default sky: the winter sky with Japanese names and Bayer letters.
preview sky-default.png --view 84 8 95
# Constellation dialog: the spring preset, with boundaries and Latin names.
preview sky-spring-preset.png --view 185 12 110 \
  --script "${spring}Constellation.Boundary.Visible = TRUE;Constellation.EnglishName.Visible = TRUE"
# Milky Way dialog in outline mode; star images in the fantasy style.
preview sky-milkyway-outline.png --view 300 32 85 \
  --script "Milkyway.Image.Visible = FALSE;Milkyway.Outline.Visible = TRUE;MagellanicCloud.Image.Visible = FALSE;MagellanicCloud.Outline.Visible = TRUE;Star.Blur.Visible = FALSE;Star.Mirado.Visible = TRUE;Star.custom.visible = FALSE"
# Deep-sky dialog with numbers and magnitudes; a brighter Milky Way; blurred stars.
preview sky-deepsky.png --view 272 -26 60 \
  --script "Milkyway.Image.Brightness = 3.5;MagellanicCloud.Image.Brightness = 0.9;Star.Blur.Visible = TRUE;DeepSkyObject.Number.Visible = TRUE;DeepSkyObject.Magnitude.Visible = TRUE;Star.JapaneseName.MagnitudeLimit.Minimum = 2.0;Star.BayerLetter.Visible = FALSE"
# Star dialog labels: English names, Bayer letters, Flamsteed numbers and magnitudes to 4.0.
labels="Star.JapaneseName.Visible = FALSE;Star.EnglishName.Visible = TRUE;Star.FlamsteedNumber.Visible = TRUE;Star.Magnitude.Visible = TRUE;Star.Size = 1.5"
for kind in EnglishName BayerLetter FlamsteedNumber Magnitude; do labels+=";Star.$kind.MagnitudeLimit.Minimum = 4.0"; done
preview sky-star-labels.png --view 83 1 32 \
  --script "$labels;Constellation.Abbreviation.Visible = TRUE;Constellation.Boundary.Visible = TRUE"
