// Tests of the totals stage: filled in with the stage.
